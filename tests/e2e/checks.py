"""Counts the checks of a run and says what differed."""


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def equal(self, what: str, actual, expected) -> bool:
        if actual == expected:
            self.passed += 1
            print(f"ok   {what}")
            return True
        self.failed += 1
        print(f"FAIL {what}\n     expected: {expected!r}\n     actual:   {actual!r}")
        return False

    def true(self, what: str, condition: bool, detail: str = "") -> bool:
        if condition:
            self.passed += 1
            print(f"ok   {what}")
            return True
        self.failed += 1
        print(f"FAIL {what}" + (f"\n     {detail}" if detail else ""))
        return False

    def summary(self) -> str:
        return f"e2e: {self.passed} passed, {self.failed} failed"
