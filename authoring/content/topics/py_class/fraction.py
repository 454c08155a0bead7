from functools import total_ordering
from math import gcd


@total_ordering
class Fraction:
    def __init__(self, num, den=1):
        if den == 0:
            raise ZeroDivisionError("分母不能为 0")
        if den < 0:
            num, den = -num, -den
        g = gcd(num, den)
        self.num, self.den = num // g, den // g

    def __add__(self, other):
        return Fraction(self.num * other.den + other.num * self.den, self.den * other.den)

    def __eq__(self, other):
        return (self.num, self.den) == (other.num, other.den)

    def __lt__(self, other):
        return self.num * other.den < other.num * self.den

    def __str__(self):
        return f"{self.num}/{self.den}" if self.den != 1 else str(self.num)

    __repr__ = __str__


a, b = Fraction(1, 2), Fraction(2, 6)
print(a, "+", b, "=", a + b)
print("1/2 > 1/3:", a > b)
print(sorted([Fraction(3, 4), a, b]))
