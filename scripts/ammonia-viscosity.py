#!/usr/bin/env python3
"""Viscosity table of liquid ammonia for src/props/ammonia.cpp.

Dynamic viscosity by the reference correlation of Fenghour, Wakeham,
Vesovic, Watson, Millat and Vogel, "The viscosity of ammonia",
J. Phys. Chem. Ref. Data 24, 1649 (1995), with the density from the
Tillner-Roth, Harms-Watzenberg and Baehr (1993) equation of state, both as
implemented by the iapws package (Debian: python3-iapws; runs offline).

Grid: -20, -10, 0, 10, 20 degC by 2, 4, ..., 26 kG/cm2 (1 kG/cm2 =
0.0980665 MPa).  A grid pressure below the saturation pressure at that
temperature takes the saturated-liquid value (the plateau of each row), so
that interpolation towards the saturation line stays on the liquid.
Printed in 1e-6 Pa*s, three decimals, as C++ initialiser rows.

    python3 scripts/ammonia-viscosity.py
"""
from iapws.ammonia import NH3

MPA_PER_AT = 0.0980665
TEMPERATURES = (-20, -10, 0, 10, 20)
PRESSURES = range(2, 27, 2)


def viscosity(t, p_at):
    tk = t + 273.15
    sat = NH3(T=tk, x=0)
    p = p_at * MPA_PER_AT
    state = sat if p < sat.P else NH3(T=tk, P=p)
    assert state.rho > 500, (t, p_at, state.rho)  # the liquid root
    return state.mu * 1e6


for t in TEMPERATURES:
    values = ["%.3fL" % viscosity(t, p) for p in PRESSURES]
    print("    {%s},  // %d degC" % (", ".join(values), t))
