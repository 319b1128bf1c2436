"""Drawing and file-writing parts of res/make_artwork.py."""
