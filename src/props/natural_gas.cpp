// Natural gas by SGERG-88 (ISO 12213-3): full-composition and
// physical-property inputs, range checks, viscosity and isentropic exponent.
#include "props/natural_gas.h"

#include <cmath>

#include "props/water_steam.h"

namespace dorvel {

// Molar masses and ideal superior calorific values (25 degC combustion,
// 0 degC / 101.325 kPa metering) of the natural-gas components.  The H2 and CO
// values (12.752 and 12.63 MJ/m3 = 285.83 and 282.98 MJ/kmol / 22.414097) are
// used apart from the hydrocarbon sum.
const std::array<NaturalGasComponent, kNaturalGasComponents> naturalGasComponentData = {{
    {"CH4", 16.043L, 39.735L},       // 1
    {"C2H6", 30.07L, 69.63L},        // 2
    {"C3H8", 44.097L, 99.01L},       // 3
    {"n-C4H10", 58.123L, 128.37L},   // 4
    {"i-C4H10", 58.123L, 127.96L},   // 5
    {"n-C5H12", 72.15L, 157.75L},    // 6
    {"i-C5H12", 72.15L, 157.44L},    // 7
    {"C6H14", 86.177L, 187.16L},     // 8
    {"C7H16", 100.204L, 216.53L},    // 9
    {"C8H18+", 114.231L, 245.91L},   // 10, C8H18 and heavier
    {"C9H20", 128.258L, 275.32L},    // 11
    {"C10H22", 142.285L, 304.71L},   // 12
    {"C2H4", 28.054L, 62.96L},       // 13
    {"C3H6", 42.081L, 91.82L},       // 14
    {"C4H8", 56.108L, 121.21L},      // 15
    {"C4H6", 54.092L, 115.72L},      // 16
    {"C5H10", 70.134L, 150.59L},     // 17
    {"C6H6", 78.114L, 147.29L},      // 18
    {"C7H8", 92.141L, 176.13L},      // 19
    {"CH3OH", 32.042L, 34.09L},      // 20
    {"H2", 2.0159L, 12.752L},        // 21
    {"H2S", 34.082L, 0.0L},          // 22
    {"CO", 28.01L, 12.63L},          // 23
    {"He", 4.0026L, 0.0L},           // 24
    {"Ne", 20.1797L, 0.0L},          // 25
    {"Ar", 39.948L, 0.0L},           // 26
    {"N2", 28.0135L, 0.0L},          // 27
    {"O2", 31.9988L, 0.0L},          // 28
    {"CO2", 44.01L, 0.0L},           // 29
    {"SO2", 64.065L, 0.0L},          // 30
}};

namespace {

// Natural-gas slots used here (0-based array indices).
constexpr std::size_t kCH4 = kNgSlotCH4, kC2H6 = kNgSlotC2H6, kC3H8 = kNgSlotC3H8,
                      kNC4 = kNgSlotNC4H10, kIC4 = kNgSlotIC4H10, kNC5 = kNgSlotNC5H12,
                      kIC5 = kNgSlotIC5H12, kC6 = kNgSlotC6H14, kC7 = kNgSlotC7H16,
                      kC8 = kNgSlotC8H18, kLastHydrocarbon = kNgSlotCH3OH, kH2 = kNgSlotH2,
                      kCO = kNgSlotCO, kHe = kNgSlotHe, kN2 = kNgSlotN2, kCO2 = kNgSlotCO2;

// ISO 12213-3 Table B.1 and the closed form of the input-set-A equations.
constexpr Real kHsH2 = 285.83L;        // molar superior calorific value of H2 [MJ/kmol]
constexpr Real kHsCO = 282.98L;        // of CO [MJ/kmol]
constexpr Real kCoPerH2 = 0.0964L;     // x_CO = 0.0964*x_H2 (B.2)
constexpr Real kMCO2 = 44.01L, kMH2 = 2.0159L, kMCO = 28.01L, kMN2 = 28.0135L;
constexpr Real kMchSlope = 0.021062199L;    // M_CH = -2.709328 + 0.021062199*H_CH (B.5)
constexpr Real kMchIntercept = -2.709328L;
constexpr Real kMN2MinusIntercept = 30.722828L;  // M_N2 - (-2.709328)
// 1/(22.414097 - 0.065): the published start H_CH = 1000 MJ/kmol, Bn = -0.065 m3/kmol.
constexpr Real kStartMolarDensity = 0.044744537105906337L;
constexpr Real kDensityTolerance = 1e-6L;  // kg/m3

// NaN-safe range test: true unless lo <= v <= hi.
inline bool outside(Real v, Real lo, Real hi) { return !(v >= lo && v <= hi); }

// Range tests common to both inputs: temperature and pressure.
void checkState(Real t, Real pKPa, int& code) {
  if (outside(t, -23.0L, 77.0L)) code = kGasTemperatureRange;
  if (outside(pKPa, 0.0L, 12000.0L)) code = kGasPressureRange;
}

// Range check A (physical-property input).
int checkPhysicalProperties(Real hs, Real d, Real h2, Real co2, Real t, Real pKPa) {
  int code = kGasValid;
  checkState(t, pKPa, code);
  if (outside(hs, 20.0L, 48.0L)) code = kGasCalorificRange;
  if (outside(d, 0.55L, 0.90L)) code = kGasRelDensityRange;
  if (outside(co2, 0.0L, 30.0L)) code = kGasCo2Range;
  if (outside(h2, 0.0L, 10.0L)) code = kGasH2Range;
  return code;
}

// Range check C (full composition).  A negative or non-finite share of a
// component without its own test is reported as "cannot be calculated";
// the component tests come later and override it.
int checkComposition(const Composition& x, Real t, Real pKPa) {
  int code = kGasValid;
  for (Real v : x)
    if (!(v >= 0) || !std::isfinite(v)) code = kGasSgergFailed;
  checkState(t, pKPa, code);
  if (outside(x[kCO2], 0.0L, 30.0L)) code = kGasCo2Range;
  if (outside(x[kH2], 0.0L, 10.0L)) code = kGasH2Range;
  if (!(x[kCH4] >= 50.0L)) code = kGasCh4Range;
  if (outside(x[kN2], 0.0L, 50.0L)) code = kGasN2Range;
  if (outside(x[kC2H6], 0.0L, 20.0L)) code = kGasC2h6Range;
  if (outside(x[kC3H8], 0.0L, 5.0L)) code = kGasC3h8Range;
  if (outside(x[kNC4] + x[kIC4], 0.0L, 1.5L)) code = kGasC4Range;
  if (outside(x[kNC5] + x[kIC5], 0.0L, 0.5L)) code = kGasC5Range;
  if (outside(x[kC6], 0.0L, 0.1L)) code = kGasC6Range;
  if (outside(x[kC7], 0.0L, 0.05L)) code = kGasC7Range;
  if (outside(x[kC8], 0.0L, 0.05L)) code = kGasC8Range;
  if (outside(x[kCO], 0.0L, 3.0L)) code = kGasCoRange;
  if (outside(x[kHe], 0.0L, 0.5L)) code = kGasHeRange;
  return code;
}

// Density, viscosity and isentropic exponent from rho_n, K1 and the inert
// contents.  Returns false when the correlations give no physical value.
bool commonProperties(NaturalGasResult& r, Real xCO2, Real xN2, Real phi, Real t, Real pKPa) {
  const Real rhoN = r.refDensity;
  const Real tK = t + kKelvin;
  const Real p = pKPa;

  // Density of the (humid) gas; phi = 0 for natural gas.
  if (phi != 0) {
    const SaturationState sat = waterSaturation(t);
    const Real ps = sat.pressureAt * 100.0L / kBarToAt;  // kPa
    r.density = (p - phi / 100 * ps) * rhoN * kKelvin / (tK * kSgergPressureN * r.compressibilityK1) +
                phi / 100 * sat.vapourDensity;
  } else {
    r.density = p * rhoN * kKelvin / (tK * kSgergPressureN * r.compressibilityK1);
  }

  r.viscosity = naturalGasViscosity(rhoN, xCO2, xN2, tK, p);

  // Isentropic exponent.
  const Real rr = (p / 1000) / tK;
  r.isentropicExponent = 1.556L * (1 + 0.074L * xN2) - 3.9e-4L * tK * (1 - 0.68L * xN2) -
                         0.194L * rhoN +
                         std::pow(rr, 1.43L) * (384 * (1 - xN2) * std::pow(rr, 0.8L) + 26.4L * xN2);

  return std::isfinite(r.density) && r.density >= 0 && std::isfinite(r.viscosity) &&
         r.viscosity > 0 && std::isfinite(r.isentropicExponent) && r.isentropicExponent > 1;
}

}  // namespace

Real naturalGasViscosity(Real rhoN, Real xCO2, Real xN2, Real tK, Real pKPa) {
  // Dynamic viscosity [Pa*s] with pseudo-reduced temperature and pressure.
  const Real p = pKPa;
  const Real tPi = tK / (88.25L * (0.9915L + 1.6385L * rhoN - xCO2 - 1.681L * xN2));
  const Real pPi = (p / 1000) / (2.9585L * (1.608L - 0.05582L * rhoN + xCO2 - 0.392L * xN2));
  return 3.24e-6L * (std::sqrt(tK) + 1.37L - 9.0095L * std::pow(rhoN, 0.125L)) *
         (1 + pPi * pPi / (30 * (tPi - 1))) /
         (2.08L + 0.96504L * std::sqrt(rhoN) - 1.5L * (xCO2 + xN2));
}

namespace {

NaturalGasResult failed(int code) {
  NaturalGasResult r;
  r.code = code;
  return r;
}

}  // namespace

// ---- messages -----------------------------------------------------------------

// The texts are the rows of the message table that carry the validity codes.
std::string gasValidityMessage(bool polish, int code) {
  const MessageRow* row =
      code >= kGasTemperatureRange && code <= kCokeGasFailed ? findMessage(code) : nullptr;
  if (row != nullptr) return polish ? row->polish : row->english;
  return polish ? std::string("Metodę SGERG-88 można stosować gdy \r\n") : std::string();
}

Message gasValidityNotice(int code) {
  Message m(static_cast<Msg>(code));
  m.englishOnly = true;
  return m;
}

// ---- physical-property input -----------------------------------------------------

SgergCharacterization characterizeFromProperties(Real calorificValue, Real relativeDensity,
                                                 Real h2Percent, Real co2Percent) {
  SgergCharacterization c;
  const Real hs = calorificValue;
  const Real rhoN = relativeDensity * kSgergAirDensityN;  // (B.1)
  SgergComposition& x = c.x;
  x.co2 = co2Percent / 100;
  x.h2 = h2Percent / 100;
  x.co = kCoPerH2 * x.h2;  // (B.2)
  const Real xRest = 1 - x.co2 - x.h2 - x.co;
  const Real mInert = kMCO2 * x.co2 + kMH2 * x.h2 + kMCO * x.co;

  Real rhoM = kStartMolarDensity;
  for (int pass = 1; pass <= kCharacterizationMaxPasses; ++pass) {
    c.passes = pass;
    // Hydrocarbon share of the molar calorific value, x_CH*H_CH [MJ/kmol].
    const Real q = hs / rhoM - kHsH2 * x.h2 - kHsCO * x.co;
    // (B.5) to (B.8) solved for x_CH at the density rho_n.
    x.ch = (mInert + kMN2 * xRest + kMchSlope * q - rhoN / rhoM) / kMN2MinusIntercept;
    if (!(x.ch > 0) || !std::isfinite(x.ch)) {
      c.code = kGasCh4Range;
      return c;
    }
    x.n2 = xRest - x.ch;
    c.hCH = q / x.ch;
    const SgergResult zn = sgergCompressibility(x, c.hCH, kSgergPressureN, kSgergTemperatureN);
    if (!zn.ok) {
      c.code = kGasSgergFailed;
      return c;
    }
    c.zn = zn.z;
    rhoM = 1 / (kSgergMolarVolumeN * c.zn);  // (B.4) with Bn from the full SGERG Z
    const Real mMix = mInert + kMN2 * x.n2 + x.ch * (kMchSlope * c.hCH + kMchIntercept);
    if (std::fabs(rhoN - rhoM * mMix) < kDensityTolerance) return c;
  }
  c.code = kGasSgergFailed;
  return c;
}

NaturalGasResult naturalGasFromProperties(Real calorificValue, Real relativeDensity,
                                          Real h2Percent, Real co2Percent,
                                          Real relativeHumidity, Real t, Real pKPa) {
  auto echo = [&](NaturalGasResult r) {
    r.calorificValue = calorificValue;
    r.relativeDensity = relativeDensity;
    return r;
  };

  // Range check A.
  if (const int code = checkPhysicalProperties(calorificValue, relativeDensity, h2Percent,
                                               co2Percent, t, pKPa))
    return echo(failed(code));

  const SgergCharacterization ch =
      characterizeFromProperties(calorificValue, relativeDensity, h2Percent, co2Percent);
  if (ch.code != kGasValid) return echo(failed(ch.code));

  // Range check B.  The pseudo-composition must be a physical one: x_N2 may
  // fall below 0 by no more than 0.01, as ISO 12213-3 requires of the
  // input-set-A characterization; beyond that Hs and d are inconsistent with
  // the CO2 and H2 contents.
  int code = kGasValid;
  if (!(ch.x.ch >= 0.5L)) code = kGasCh4Range;
  if (!(ch.x.n2 <= 0.5L && ch.x.n2 >= -0.01L)) code = kGasN2Range;
  if (code != kGasValid) return echo(failed(code));

  const SgergResult z1 = sgergCompressibility(ch.x, ch.hCH, pKPa, t + kKelvin);
  if (!z1.ok) return echo(failed(kGasSgergFailed));

  NaturalGasResult r;
  r.refDensity = relativeDensity * kSgergAirDensityN;
  r.compressibilityZ = z1.z;
  r.refCompressibilityZ = ch.zn;
  r.compressibilityK1 = z1.z / ch.zn;
  if (!commonProperties(r, ch.x.co2, ch.x.n2, relativeHumidity, t, pKPa))
    return echo(failed(kGasSgergFailed));
  return echo(r);
}

// ---- full-composition input ------------------------------------------------------

NaturalGasResult naturalGasFromComposition(const Composition& molePercent, Real relativeHumidity,
                                           Real t, Real pKPa, Interaction& ui) {
  const Composition& y = molePercent;

  // Range check C.
  if (const int code = checkComposition(y, t, pKPa)) return failed(code);

  // SGERG-88 composition: the equivalent hydrocarbon is CH4 to C8H18+.
  SgergComposition x;
  for (std::size_t i = kCH4; i <= kC8; ++i) x.ch += y[i];
  x.ch /= 100;
  x.n2 = y[kN2] / 100;
  x.co2 = y[kCO2] / 100;
  x.h2 = y[kH2] / 100;
  x.co = y[kCO] / 100;

  // Ideal calorific value of the hydrocarbons (all of slots 1..20) and of the gas.
  Real s = 0;
  for (std::size_t i = kCH4; i <= kLastHydrocarbon; ++i)
    s += naturalGasComponentData[i].hs * y[i] / 100;
  const Real hs0 =
      s + naturalGasComponentData[kH2].hs * x.h2 + naturalGasComponentData[kCO].hs * x.co;  // MJ/m3
  const Real hCH = s * kSgergMolarVolumeN / x.ch;  // MJ/kmol of hydrocarbon

  const SgergResult zn = sgergCompressibility(x, hCH, kSgergPressureN, kSgergTemperatureN);
  if (!zn.ok) return failed(kGasSgergFailed);

  NaturalGasResult r;
  r.calorificValue = hs0 / zn.z;
  Real m = 0;
  for (std::size_t i = 0; i < naturalGasComponentData.size(); ++i)
    m += naturalGasComponentData[i].molarMass * y[i] / 100;
  r.refDensity = m / (zn.z * kSgergMolarVolumeN);
  r.relativeDensity = r.refDensity / kSgergAirDensityN;

  // Hs and d outside the SGERG-88 range only warn.
  if (outside(r.calorificValue, 20.0L, 48.0L)) ui.showMessage(Msg::GasCalorificRange);
  if (outside(r.relativeDensity, 0.55L, 0.90L)) ui.showMessage(Msg::GasRelDensityRange);

  const SgergResult z1 = sgergCompressibility(x, hCH, pKPa, t + kKelvin);
  if (!z1.ok) return failed(kGasSgergFailed);
  r.compressibilityZ = z1.z;
  r.refCompressibilityZ = zn.z;
  r.compressibilityK1 = z1.z / zn.z;
  if (!commonProperties(r, x.co2, x.n2, relativeHumidity, t, pKPa)) return failed(kGasSgergFailed);
  return r;
}

}  // namespace dorvel
