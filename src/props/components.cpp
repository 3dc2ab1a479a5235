// Component data of the gas-mixture property method.
#include "props/components.h"

#include <cmath>

namespace dorvel {

// clang-format off
// M [kg/kmol], Tc [K], eta0 [mPa*s], kappa0, sqrt(b), pc [Pa], omega, C [K]
const std::array<ComponentData, kMixtureComponents> componentData{{
    {"H2O",    18.0153L, 647.14L,  0.00861L,   1.38L, 0.2646L,  22064000.0L,  0.328L,  650.0L},
    {"N2",     28.0135L, 126.2L,   0.01652L,   1.4L,  0.0224L,   3390000.0L,  0.039L,  104.0L},
    {"O2",     31.9988L, 154.58L,  0.01911L,   1.41L, 0.0316L,   5043000.0L,  0.025L,  125.0L},
    {"H2",      2.0159L,  33.2L,   0.00835L,   1.41L, -0.004L,   1297000.0L, -0.218L,   71.7L},
    {"Ar",     39.948L,  150.65L,  0.02083L,   1.67L, 0.0316L,   4866000.0L,  0.001L,  142.0L},
    {"He",      4.0026L,   5.19L,  0.01885L,   1.66L, -0.0006L,   227000.0L, -0.365L,   80.0L},
    {"NO",     30.01L,   179.15L,  0.01777L,   1.3L,  0.0L,      6472389.0L,  0.6L,    128.0L},
    {"H2S",    34.082L,  373.55L,  0.01166L,   1.32L, 0.1L,      8940000.0L,  0.109L,  331.0L},
    {"SO2",    64.0628L, 430.6L,   0.01158L,   1.28L, 0.0L,      7870000.0L,  0.273L,  416.0L},
    {"CO",     28.01L,   132.85L,  0.01659L,   1.4L,  0.0265L,   3494000.0L,  0.053L,  100.0L},
    {"CO2",    44.01L,   304.2L,   0.01375L,   1.3L,  0.0819L,   7386000.0L,  0.239L,  273.0L},
    {"CH4",    16.043L,  190.555L, 0.01022L,   1.31L, 0.049L,    4598800.0L,  0.0115L, 164.0L},
    {"C2H6",   30.07L,   305.83L,  0.00851L,   1.19L, 0.1L,      4880000.0L,  0.0908L, 252.0L},
    {"C3H8",   44.097L,  369.82L,  0.00746L,   1.14L, 0.1453L,   4250000.0L,  0.1454L, 278.0L},
    {"C4H10",  58.123L,  425.14L,  0.00686L,   1.09L, 0.206L,    3784000.0L,  0.1928L, 358.0L},
    {"C5H12",  72.15L,   469.69L,  0.00621L,   1.07L, 0.2864L,   3364000.0L,  0.251L,  383.0L},
    {"C2H4",   28.054L,  282.35L,  0.00944L,   1.24L, 0.0866L,   5042000.0L,  0.0856L, 225.0L},
    {"C2H2",   26.0382L, 310.2L,   0.00949L,   1.26L, 0.0L,      6240000.0L,  0.19L,   215.0L},
    {"C6H6",   78.11L,   562.16L,  0.00677L,   1.12L, 0.3017L,   4898000.0L,  0.21L,   448.0L},
    {"Cl2",    70.906L,  417.0L,   0.01245L,   1.06L, 0.0L,      7710800.0L,  0.073L,  330.0L},
    {"C2H3Cl", 62.5L,    429.7L,   0.0099795L, 1.06L, 0.0L,      5603270.0L,  0.122L,  380.0L},
    {"NH3",    17.0306L, 405.58L,  0.00935L,   1.06L, 0.0L,     11280000.0L,  0.25L,   503.0L},
}};

// cp = A + B*T + C*T^2 + D*T^3 + E/T^2, kcal/(kmol*K).  O2 takes the cubic
// of Kyle's table like the other rows: the older A + B*T + E/T^2 row
// (8.643, 0.000202, -103000) gives 31.6 J/(mol*K) at 300 K against 29.39 of
// the Schmidt-Wagner equation for oxygen.
const std::array<HeatCapacityCoefficients, kMixtureComponents> heatCapacityData{{
    {  7.7L,    0.0004595L,   2.521e-06L,  -8.587e-10L,  0.0L},      // H2O
    {  6.903L, -0.0003753L,   1.93e-06L,   -6.861e-10L,  0.0L},      // N2
    {  6.0858L, 3.6305e-03L, -1.7089e-06L,  3.1336e-10L,  0.0L},      // O2
    {  6.952L, -0.0004576L,   9.56e-07L,   -2.079e-10L,  0.0L},      // H2
    {  4.968L,  3.02284e-09L, -3.8555e-12L, 1.51688e-15L, 0.0L},     // Ar
    {  4.968L,  3.02284e-09L, -3.8555e-12L, 1.51688e-15L, 0.0L},     // He
    {  6.461L,  0.002358L,   -7.705e-07L,   8.729e-11L,  0.0L},      // NO
    {  7.07L,   0.003128L,    1.363e-06L,  -7.867e-10L,  0.0L},      // H2S
    {  6.157L,  0.01384L,    -9.1e-06L,     2.057e-09L,  0.0L},      // SO2
    {  6.726L,  0.0004001L,   1.283e-06L,  -5.307e-10L,  0.0L},      // CO
    {  5.316L,  0.014285L,   -8.362e-06L,   1.784e-09L,  0.0L},      // CO2
    {  4.75L,   0.012L,       3.03e-06L,   -2.63e-09L,   0.0L},      // CH4
    {  1.648L,  0.04124L,    -1.53e-05L,    1.74e-09L,   0.0L},      // C2H6
    { -0.966L,  0.07279L,    -3.755e-05L,   7.58e-09L,   0.0L},      // C3H8
    {  0.945L,  0.08873L,    -4.38e-05L,    8.36e-09L,   0.0L},      // C4H10
    {  1.618L,  0.10085L,    -5.665e-05L,   1.01e-08L,   0.0L},      // C5H12
    {  0.944L,  0.03735L,    -1.993e-05L,   4.22e-09L,   0.0L},      // C2H4
    {  5.21L,   0.022L,      -1.559e-05L,   4.349e-09L,  0.0L},      // C2H2
    { -8.65L,   0.11578L,    -7.54e-05L,    1.854e-08L,  0.0L},      // C6H6
    {  6.432L,  0.00808L,    -9.241e-06L,   3.695e-09L,  0.0L},      // Cl2
    {  1.421L,  0.04823L,    -3.669e-05L,   1.14e-08L,   0.0L},      // C2H3Cl
    {  6.5846L, 0.0061251L,   2.3663e-06L, -1.5981e-09L, 0.0L},      // NH3
}};

// (slot i, slot j, 100*k_ij), 1-based slots, scanned in this order.
const std::array<BinaryInteraction, kBinaryInteractionCount> binaryInteractions{{
    {12, 17, 1}, {12, 13, 1},                                  // CH4-C2H4, CH4-C2H6
    {12, 14, 2}, {12, 15, 4}, {12, 16, 6}, {12, 19, 8},        // CH4-C3H8..C6H6
    {13, 15, 1}, {17, 15, 1}, {14, 16, 1}, {15, 19, 1}, {16, 19, 1},
    {13, 16, 2}, {17, 16, 2}, {14, 19, 2},
    {13, 19, 3}, {17, 19, 3},
    {10, 12, 5}, {10, 17, 6}, {10, 13, 8}, {10, 14, 11}, {10, 15, 16}, {10, 16, 18},  // CO-
    {8, 12, 5}, {8, 17, 5}, {8, 14, 8}, {8, 13, 6}, {8, 15, 7}, {8, 16, 10}, {8, 10, 8},  // H2S-
    {18, 12, 5}, {18, 17, 6}, {18, 13, 8}, {18, 14, 9}, {18, 15, 10}, {18, 16, 10},     // C2H2-
    {2, 12, 3}, {2, 17, 4}, {2, 13, 5}, {2, 14, 9}, {2, 15, 12},                         // N2-
    {5, 12, 2}, {5, 17, 3}, {5, 13, 3}, {5, 3, 1},                                       // Ar-
    {4, 12, 3}, {4, 13, 5}, {4, 14, 7}, {4, 15, 8}, {4, 16, 9},                          // H2-
    {6, 2, 16}, {6, 5, 5},                                                               // He-
}};

const std::array<Real, kNaturalGasComponents> naturalGasSummationFactor{{
    0.049L,  0.1L,    0.1453L, 0.206L,   0.2049L,  0.2864L, 0.251L,  0.3286L, 0.4123L, 0.5079L,
    0.6221L, 0.7523L, 0.0866L, 0.1378L,  0.1871L,  0.2121L, 0.249L,  0.3017L, 0.3886L, 0.4764L,
    -0.004L, 0.1L,    0.0265L, -0.0006L, -0.0006L, 0.0316L, 0.0224L, 0.0316L, 0.0819L, 0.1549L,
}};
// clang-format on

const ComponentData* findComponent(int index) {
  if (index < 0 || index >= kMixtureComponents) return nullptr;
  return &componentData[static_cast<std::size_t>(index)];
}

Real idealHeatCapacity(int index, Real temperatureK) {
  if (index < 0 || index >= kMixtureComponents || !(temperatureK > 0)) return 0;
  const HeatCapacityCoefficients& k = heatCapacityData[static_cast<std::size_t>(index)];
  const Real t = temperatureK;
  return k.a + t * (k.b + t * (k.c + t * k.d)) + k.e / (t * t);
}

Real binaryInteractionCoefficient(int i, int j) {
  if (i < 0 || j < 0 || i >= kMixtureComponents || j >= kMixtureComponents) return 0;
  const int si = i + 1, sj = j + 1;
  for (const BinaryInteraction& e : binaryInteractions) {
    if ((e.slotI == si && e.slotJ == sj) || (e.slotI == sj && e.slotJ == si))
      return static_cast<Real>(e.k100) / 100;
  }
  return 0;
}

}  // namespace dorvel
