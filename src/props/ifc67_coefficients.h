// Coefficient tables of
//   - the 1967 IFC Formulation for Industrial Use (IFC-67), subregion 1
//     (compressed water) and subregion 2 (superheated steam), with the L
//     function of the boundary between subregions 2 and 3, as reproduced in
//     the 1980 SI JSME Steam Tables, pp. 109-122;
//   - the IAPS Formulation 1985 for the Viscosity of Ordinary Water
//     Substance (original 1985 release, T* = 647.27 K), normal part.
//
// Every value is copied in the order and with the symbols of the published
// tables.  Literals carry the L suffix so that no digit is lost through a
// double.  tests/test_water_steam.cpp checks each table against computed
// verification values of the formulations.
#pragma once

#include <array>

#include "base/case.h"

namespace dorvel::ifc67 {

// ---- reducing constants (IFC-67) -----------------------------------------
inline constexpr Real kTc1 = 647.3L;        // K
inline constexpr Real kPc1 = 22.12e6L;      // Pa
inline constexpr Real kVc1 = 0.00317L;      // m3/kg
inline constexpr Real kHc1 = 70.1204L;      // kJ/kg = pc1 * vc1
inline constexpr Real kI1 = 4.260321148L;   // R * Tc1 / (pc1 * vc1)

// ---- L function: beta_L = L0 + L1*theta + L2*theta^2 ---------------------
inline constexpr Real kL0 = 1.574373327e1L;
inline constexpr Real kL1 = -3.417061978e1L;
inline constexpr Real kL2 = 1.931380707e1L;

// ---- subregion 1: A0 .. A22 ----------------------------------------------
inline constexpr std::array<Real, 23> kA = {
    6.824687741e3L,    // A0
    -5.422063673e2L,   // A1
    -2.096666205e4L,   // A2
    3.941286787e4L,    // A3
    -6.733277739e4L,   // A4
    9.902381028e4L,    // A5
    -1.093911774e5L,   // A6
    8.590841667e4L,    // A7
    -4.511168742e4L,   // A8
    1.418138926e4L,    // A9
    -2.017271113e3L,   // A10
    7.982692717e0L,    // A11
    -2.616571843e-2L,  // A12
    1.522411790e-3L,   // A13
    2.284279054e-2L,   // A14
    2.421647003e2L,    // A15
    1.269716088e-10L,  // A16
    2.074838328e-7L,   // A17
    2.174020350e-8L,   // A18
    1.105710498e-9L,   // A19
    1.293441934e1L,    // A20
    1.308119072e-5L,   // A21
    6.047626338e-14L,  // A22
};

// ---- subregion 1: a1 .. a12 (index = published subscript; [0] unused) ---
inline constexpr std::array<Real, 13> ka = {
    0.0L,              // (unused)
    8.438375405e-1L,   // a1
    5.362162162e-4L,   // a2
    1.72L,             // a3
    7.342278489e-2L,   // a4
    4.975858870e-2L,   // a5
    6.537154300e-1L,   // a6
    1.15e-6L,          // a7
    1.5108e-5L,        // a8
    1.4188e-1L,        // a9
    7.002753165L,      // a10
    2.995284926e-4L,   // a11
    2.04e-1L,          // a12
};

// ---- subregion 2 ---------------------------------------------------------
inline constexpr Real kB0 = 16.83599274L;
// B01 .. B05 (index = published nu; [0] unused)
inline constexpr std::array<Real, 6> kB0nu = {
    0.0L,              // (unused)
    28.56067796L,      // B01
    -54.38923329L,     // B02
    0.4330662834L,     // B03
    -0.6547711697L,    // B04
    8.565182058e-2L,   // B05
};
inline constexpr Real kb = 7.633333333e-1L;  // exponent factor of X = exp(b(1 - theta))

// B_mu,nu with the exponent z_mu,nu of X, in the published order.
struct BTerm {
  int mu;
  int nu;
  Real B;
  int z;
};
inline constexpr std::array<BTerm, 18> kB = {{
    {1, 1, 6.670375918e-2L, 13},
    {1, 2, 1.388983801L, 3},
    {2, 1, 8.390104328e-2L, 18},
    {2, 2, 2.614670893e-2L, 2},
    {2, 3, -3.373439453e-2L, 1},
    {3, 1, 4.520918904e-1L, 18},
    {3, 2, 1.069036614e-1L, 10},
    {4, 1, -5.975336707e-1L, 25},
    {4, 2, -8.847535804e-2L, 14},
    {5, 1, 5.958051609e-1L, 32},
    {5, 2, -5.159303373e-1L, 28},
    {5, 3, 2.075021122e-1L, 24},
    {6, 1, 1.190610271e-1L, 12},
    {6, 2, -9.867174132e-2L, 11},
    {7, 1, 1.683998803e-1L, 24},
    {7, 2, -5.809438001e-2L, 18},
    {8, 1, 6.552390126e-3L, 24},
    {8, 2, 5.710218649e-4L, 14},
}};

// b_mu,lambda with the exponent x_mu,lambda of X (denominator terms of
// mu = 6, 7, 8).
struct bTerm {
  int mu;
  int lambda;
  Real b;
  int x;
};
inline constexpr std::array<bTerm, 4> kbSmall = {{
    {6, 1, 4.006073948e-1L, 14},
    {7, 1, 8.636081627e-2L, 19},
    {8, 1, -8.532322921e-1L, 54},
    {8, 2, 3.460208861e-1L, 27},
}};

// B90 .. B96 (index = nu, the power of X)
inline constexpr std::array<Real, 7> kB9nu = {
    1.936587558e2L,    // B90
    -1.388522425e3L,   // B91
    4.126607219e3L,    // B92
    -6.508211677e3L,   // B93
    5.745984054e3L,    // B94
    -2.693088365e3L,   // B95
    5.235718623e2L,    // B96
};

}  // namespace dorvel::ifc67

namespace dorvel::iaps85 {

// ---- IAPS Formulation 1985, viscosity, normal part -----------------------
inline constexpr Real kTstar = 647.27L;       // K (1985 release; IPTS-68)
inline constexpr Real kRhoStar = 317.763L;    // kg/m3
inline constexpr Real kEtaStar = 55.071e-6L;  // Pa*s

// H0 .. H3 of the dilute-gas part eta0
inline constexpr std::array<Real, 4> kH = {1.0L, 0.978197L, 0.579829L, -0.202354L};

// b_ij: row i = power of (1/Tbar - 1), column j = power of (rhobar - 1).
// 19 non-zero entries; the zeros are zeros of the formulation.
inline constexpr std::array<std::array<Real, 7>, 6> kb = {{
    {0.5132047L, 0.2151778L, -0.2818107L, 0.1778064L, -0.04176610L, 0.0L, 0.0L},
    {0.3205656L, 0.7317883L, -1.070786L, 0.4605040L, 0.0L, -0.01578386L, 0.0L},
    {0.0L, 1.241044L, -1.263184L, 0.2340379L, 0.0L, 0.0L, 0.0L},
    {0.0L, 1.476783L, 0.0L, -0.4924179L, 0.1600435L, 0.0L, -0.003629481L},
    {-0.7782567L, 0.0L, 0.0L, 0.0L, 0.0L, 0.0L, 0.0L},
    {0.1885447L, 0.0L, 0.0L, 0.0L, 0.0L, 0.0L, 0.0L},
}};

}  // namespace dorvel::iaps85
