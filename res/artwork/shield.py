"""The V shield: the launcher's emblem, used by the icon, image 0 of the strip and the banner."""

from .canvas import inside_polygon, mix, poly


def shield_inside(u, v, inset=0.0):
    """Whether (u, v) in the unit square lies inside the shield shrunk by inset."""
    half = 0.41 - inset
    top = 0.07 + inset + 0.05 * (1.0 - min(1.0, ((u - 0.5) / 0.41) ** 2))
    if v < top or half <= 0:
        return False
    tip = 0.95 - inset * 1.6
    if v > tip:
        return False
    if v <= 0.48:
        hw = half
    else:
        hw = half * (1.0 - ((v - 0.48) / (tip - 0.48)) ** 1.7)
    return abs(u - 0.5) <= hw


V_LETTER = [(0.27, 0.24), (0.405, 0.24), (0.5, 0.56), (0.595, 0.24), (0.73, 0.24),
            (0.555, 0.78), (0.445, 0.78)]


def draw_shield_flat(c, x0, y0, size, rim, body, letter, rim_px):
    """Shield in flat palette colours, with a black edge: for the 16-colour images."""
    inset = rim_px / size

    def at(x, y):
        return (x - x0) / size, (y - y0) / size

    c.fill_where(lambda x, y: shield_inside(*at(x, y)), rim)
    c.fill_where(lambda x, y: shield_inside(*at(x, y), inset), body)
    pts = [(x0 + u * size, y0 + v * size) for u, v in V_LETTER]
    poly(c, pts, letter)

def shaded_shield(u, v):
    """Colour of the rich shield at (u, v), or None outside: gradients for the 256-colour images."""
    if not shield_inside(u, v):
        return None
    if not shield_inside(u, v, 0.035):
        return (20, 20, 40)
    if not shield_inside(u, v, 0.085):
        return mix((255, 236, 130), (190, 120, 10), (u + v) * 0.6)
    if not shield_inside(u, v, 0.105):
        return (30, 30, 60)
    if inside_polygon(V_LETTER, u, v):
        return mix((255, 246, 190), (230, 150, 20), (v - 0.24) / 0.54)
    shadow = [(x + 0.025, y + 0.03) for x, y in V_LETTER]
    if inside_polygon(shadow, u, v):
        return (10, 22, 70)
    base = mix((80, 140, 255), (10, 30, 120), (u * 0.5 + v) / 1.2)
    if u < 0.5 and v < 0.5 and (u - 0.28) ** 2 + (v - 0.28) ** 2 < 0.012:
        base = mix(base, (200, 225, 255), 0.35)
    return base
