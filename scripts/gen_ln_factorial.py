#!/usr/bin/env python3
"""Prints the initialiser of uc_LnFactorial (qor/frame/ln_factorial_table.cpp).

ln n! for n = 0..1000 is summed from ln k in 60-digit decimal arithmetic and rounded once to
the nearest double, so every entry is the correctly rounded value.
"""
from decimal import Decimal, getcontext

getcontext().prec = 60
total = Decimal(0)
values = []
for n in range(1001):
    if n > 1:
        total += Decimal(n).ln()
    values.append(repr(float(total)))
print(",\n".join(values))
