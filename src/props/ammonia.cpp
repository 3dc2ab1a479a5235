// Liquid ammonia from tables.
//
// The saturated-liquid density and the saturation pressure are tabulated by
// 1 K from -10 to 50 degC; the dynamic viscosity on a grid of temperature and
// pressure.  Every lookup is a straight-line interpolation
//   y = (y_lo (x_hi - x) + y_hi (x - x_lo)) / (x_hi - x_lo).
#include "props/ammonia.h"

#include <array>
#include <cmath>

namespace dorvel {

namespace {

// Saturated liquid ammonia, density kg/m3, at -10, -9, ..., 50 degC.
constexpr std::array<Real, kAmmoniaRows> kDensity = {
    652L,   650.7L, 649.3L, 648L,   646.7L, 645.3L, 644L,   642.6L, 641.3L, 639.9L,  // -10..-1
    638.6L, 637.2L, 635.8L, 634.5L, 633.1L, 631.7L, 630.3L, 628.9L, 627.5L, 626.1L,  // 0..9
    624.7L, 623.3L, 621.8L, 620.4L, 619L,   617.5L, 616.1L, 614.6L, 613.2L, 611.7L,  // 10..19
    610.3L, 608.8L, 607.3L, 605.8L, 604.3L, 602.8L, 601.3L, 599.8L, 598.3L, 596.8L,  // 20..29
    595.2L, 593.7L, 592.1L, 590.6L, 589L,   587.5L, 585.9L, 584.3L, 582.7L, 581.1L,  // 30..39
    579.5L, 577.9L, 576.2L, 574.6L, 572.9L, 571.3L, 569.6L, 568L,   566.3L, 564.6L,  // 40..49
    562.8L,                                                                          // 50
};

// Saturation pressure of ammonia, kG/cm2, at -10, -9, ..., 50 degC.
constexpr std::array<Real, kAmmoniaRows> kSaturationPressure = {
    2.966L,  3.089L,  3.216L,  3.347L,  3.481L,  3.619L,  3.761L,  3.908L,  4.06L,   4.217L,
    4.379L,  4.545L,  4.716L,  4.892L,  5.073L,  5.259L,  5.45L,   5.647L,  5.849L,  6.057L,
    6.271L,  6.49L,   6.715L,  6.946L,  7.183L,  7.427L,  7.677L,  7.933L,  8.196L,  8.465L,
    8.741L,  9.024L,  9.314L,  9.611L,  9.915L,  10.225L, 10.544L, 10.87L,  11.204L, 11.546L,
    11.895L, 12.252L, 12.617L, 12.991L, 13.374L, 13.765L, 14.165L, 14.573L, 14.99L,  15.415L,
    15.85L,  16.294L, 16.747L, 17.21L,  17.682L, 18.165L, 18.658L, 19.161L, 19.673L, 20.195L,
    20.727L,
};

// Viscosity grid: temperatures (degC) and pressures (kG/cm2).  Values exist
// for the first five temperatures and the first thirteen pressures.
constexpr std::array<int, 6> kViscT = {-20, -10, 0, 10, 20, 50};
constexpr std::array<int, 14> kViscP = {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 35};

// Dynamic viscosity of liquid ammonia, 1e-6 Pa*s; rows by temperature
// -20, -10, 0, 10, 20 degC, columns by pressure 2, 4, ..., 26 kG/cm2.
constexpr std::array<std::array<Real, 13>, 5> kViscosity = {{
    {252.815L, 259.582L, 265.172L, 269.879L, 273.507L, 276.548L, 278.999L, 281.059L, 282.922L,
     284.589L, 285.962L, 287.139L, 288.316L},
    {250.266L, 250.266L, 256.542L, 261.543L, 265.76L, 269.094L, 272.135L, 274.39L, 276.351L,
     278.117L, 279.686L, 280.862L, 282.039L},
    {244.97L, 244.97L, 244.97L, 250.854L, 255.659L, 259.386L, 262.524L, 264.976L, 267.133L,
     268.898L, 270.369L, 271.644L, 272.821L},
    {236.34L, 236.34L, 236.34L, 236.34L, 241.636L, 245.951L, 249.383L, 252.031L, 254.286L,
     256.248L, 257.915L, 259.386L, 260.563L},
    {223.69L, 223.69L, 223.69L, 223.69L, 223.69L, 228.789L, 232.614L, 235.654L, 238.105L,
     240.165L, 241.832L, 243.401L, 244.872L},
}};

Real interpolate(Real x, Real xLo, Real xHi, Real yLo, Real yHi) {
  return (yLo * (xHi - x) + yHi * (x - xLo)) / (xHi - xLo);
}

// 1-based index of the first grid value not below x, limited to lo..hi.
template <std::size_t N>
std::size_t gridInterval(const std::array<int, N>& grid, Real x, std::size_t lo, std::size_t hi) {
  std::size_t i = 1;
  while (i <= N && !(x <= grid[i - 1])) ++i;
  if (i < lo) i = lo;
  if (i > hi) i = hi;
  return i;
}

struct Texts {
  std::string polish, english;
};

const Texts& textsOf(int status) {
  static const Texts none{"", ""};
  static const Texts temperature{"Za niska temperatura amoniaku",
                                 "Ammonia temperature should be between -10°C and 50°C"};
  static const Texts gaseous{"Faza gazowa amoniaku", "Gaseous phase!"};
  static const Texts evaporation{"Na zwężce następuje odparowanie amoniaku", "Evaporation!"};
  switch (status) {
    case AmmoniaTemperatureOutOfTable: return temperature;
    case AmmoniaGaseousPhase: return gaseous;
    case AmmoniaEvaporation: return evaporation;
    default: return none;
  }
}

void show(Interaction& ui, int status) {
  const Texts& t = textsOf(status);
  ui.showMessage(false, t.polish, t.english);
}

}  // namespace

const std::string& ammoniaStatusText(bool polish, int status) {
  const Texts& t = textsOf(status);
  return polish ? t.polish : t.english;
}

Real ammoniaSaturatedDensity(int row) {
  return row >= 0 && row < kAmmoniaRows ? kDensity[static_cast<std::size_t>(row)] : 0;
}

Real ammoniaSaturationPressure(int row) {
  return row >= 0 && row < kAmmoniaRows ? kSaturationPressure[static_cast<std::size_t>(row)] : 0;
}

AmmoniaProperties liquidAmmoniaProperties(Real t, Real pAt, Real dpMmH2O, Interaction& ui) {
  AmmoniaProperties out;

  // 1. Row search: row r (1-based) stands for r - 11 degC; the first r with
  //    t <= r - 11.  t = -10 exactly is taken as r = 2, so that the interval
  //    is always rows r - 1 and r.  The search stops after the last row: a
  //    temperature above 50 degC or not a number also has no row.
  int r = 1;
  while (r <= kAmmoniaRows && !(t <= r - 11)) ++r;
  if (t == -10) r = 2;
  if (r == 1 || r > kAmmoniaRows) {
    out.status = AmmoniaTemperatureOutOfTable;
    show(ui, out.status);
    return out;
  }
  const auto lo = static_cast<std::size_t>(r - 2);  // 0-based row r - 1
  const auto hi = static_cast<std::size_t>(r - 1);  // 0-based row r
  const Real tLo = r - 12, tHi = r - 11;

  // 2.-3. Saturation pressure at t; liquid only while p >= ps (a pressure
  //       that is not a number cannot confirm the liquid state either).
  const Real ps = interpolate(t, tLo, tHi, kSaturationPressure[lo], kSaturationPressure[hi]);
  if (!(pAt >= ps)) {
    out.status = AmmoniaGaseousPhase;
    show(ui, out.status);
    return out;
  }

  // 4. Pressure in the throat, 10000 mm H2O per kG/cm2: evaporation when it
  //    falls below saturation.  A warning; the properties are still computed.
  if (!(pAt - dpMmH2O / 10000 >= ps)) {
    out.status = AmmoniaEvaporation;
    show(ui, out.status);
  }

  // 5. Density of the saturated liquid.
  out.density = interpolate(t, tLo, tHi, kDensity[lo], kDensity[hi]);

  // 6. Viscosity: interval i in temperature (2..5: above 20 degC the 10..20
  //    interval is extrapolated), j in pressure (2..13: above 26 kG/cm2 the
  //    24..26 interval is extrapolated, p = 2 uses 2..4).  The grid ends at
  //    35 kG/cm2; a higher pressure is taken as 35 so that the extrapolation
  //    stays bounded (no effect inside the admitted 2..35 kG/cm2).
  const Real p = pAt > kViscP.back() ? static_cast<Real>(kViscP.back()) : pAt;
  const std::size_t i = gridInterval(kViscT, t, 2, 5);
  const std::size_t j = gridInterval(kViscP, p, 2, 13);
  const Real pLo = kViscP[j - 2], pHi = kViscP[j - 1];
  const auto& rowLo = kViscosity[i - 2];
  const auto& rowHi = kViscosity[i - 1];
  const Real etaAtTLo = interpolate(p, pLo, pHi, rowLo[j - 2], rowLo[j - 1]);
  const Real etaAtTHi = interpolate(p, pLo, pHi, rowHi[j - 2], rowHi[j - 1]);
  const Real eta = interpolate(t, kViscT[i - 2], kViscT[i - 1], etaAtTLo, etaAtTHi);
  out.viscosity = eta * 1e-6L;
  return out;
}

}  // namespace dorvel
