// ISO 12213-3:2006 Annex C (identical in GB/T 17747.3-2011): the six example
// gases of the SGERG-88 method and their compression factors.
#pragma once

#include "props/sgerg88.h"

namespace dorvel::testing {

// Table C.1: input set A.  CO2 and H2 in mol %, d at 0 degC / 101.325 kPa,
// Hs [MJ/m3] at 25 degC combustion and 0 degC / 101.325 kPa metering.
struct AnnexCInput {
  long double co2, h2, d, hs;
};
inline constexpr AnnexCInput kAnnexCInputs[6] = {
    {0.6L, 0.0L, 0.581L, 40.66L}, {0.5L, 0.0L, 0.609L, 40.62L}, {1.5L, 0.0L, 0.650L, 43.53L},
    {1.6L, 9.5L, 0.599L, 34.16L}, {7.6L, 0.0L, 0.686L, 36.64L}, {1.1L, 0.0L, 0.644L, 36.58L},
};

// Table C.2: Z at p [bar] and t [degC], gases 1..6.
struct AnnexCPoint {
  long double pBar, t;
  long double z[6];
};
inline constexpr AnnexCPoint kAnnexC[10] = {
    {60, -3.15L, {0.84084L, 0.83397L, 0.79415L, 0.88569L, 0.82664L, 0.85406L}},
    {60, 6.85L, {0.86202L, 0.85615L, 0.82210L, 0.90150L, 0.85017L, 0.87388L}},
    {60, 16.85L, {0.88007L, 0.87500L, 0.84553L, 0.91507L, 0.87003L, 0.89071L}},
    {60, 36.85L, {0.90881L, 0.90491L, 0.88223L, 0.93684L, 0.90124L, 0.91736L}},
    {60, 56.85L, {0.92996L, 0.92690L, 0.90893L, 0.95302L, 0.92394L, 0.93690L}},
    {120, -3.15L, {0.72146L, 0.71140L, 0.64322L, 0.80843L, 0.69557L, 0.74939L}},
    {120, 6.85L, {0.75969L, 0.75079L, 0.69062L, 0.83613L, 0.73828L, 0.78473L}},
    {120, 16.85L, {0.79257L, 0.78472L, 0.73196L, 0.85999L, 0.77463L, 0.81490L}},
    {120, 36.85L, {0.84492L, 0.83877L, 0.79778L, 0.89827L, 0.83166L, 0.86266L}},
    {120, 56.85L, {0.88322L, 0.87832L, 0.84554L, 0.92662L, 0.87269L, 0.89749L}},
};

// The SGERG-88 pseudo-composition that the standard's input-set-A iteration
// (start H_CH = 1000 MJ/kmol, Bn = -0.065 m3/kmol, stop at 1e-6 kg/m3 and
// 1e-4 MJ/m3) gives for each gas, with the virial coefficients Bn at
// 273.15 K and B, C at 270 K (a re-computation of the published method,
// rounded as printed here).
struct AnnexCPseudoGas {
  SgergComposition x;  // x_CH, x_N2, x_CO2, x_H2, x_CO
  long double hCH;     // MJ/kmol
  long double bn, b270, c270;
};
inline constexpr AnnexCPseudoGas kAnnexCPseudoGases[6] = {
    {{0.991490L, 0.002510L, 0.006L, 0.0L, 0.0L}, 916.808L, -0.057886L, -0.059447L, 2.949487e-03L},
    {{0.964008L, 0.030992L, 0.005L, 0.0L, 0.0L}, 941.920L, -0.060153L, -0.061770L, 3.108987e-03L},
    {{0.975211L, 0.009789L, 0.015L, 0.0L, 0.0L}, 997.285L, -0.071723L, -0.073575L, 3.687329e-03L},
    {{0.779333L, 0.100509L, 0.016L, 0.095L, 0.009158L}, 942.365L, -0.044036L, -0.045358L,
     2.478070e-03L},
    {{0.867553L, 0.056447L, 0.076L, 0.0L, 0.0L}, 944.008L, -0.062110L, -0.063791L, 3.146018e-03L},
    {{0.872282L, 0.116718L, 0.011L, 0.0L, 0.0L}, 937.689L, -0.054098L, -0.055623L, 2.872433e-03L},
};

}  // namespace dorvel::testing
