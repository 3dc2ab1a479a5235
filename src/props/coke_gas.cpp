// Coke-oven gas: Beattie-Bridgeman compressibility, humid density,
// viscosity and isentropic exponent.
#include "props/coke_gas.h"

#include <array>
#include <cmath>

#include "props/components.h"
#include "props/natural_gas.h"
#include "props/water_steam.h"

namespace dorvel {

namespace {

constexpr Real kR = 8.31451L;  // kPa*m3/(kmol*K)
constexpr Real kStartDensity = 0.1L;         // kmol/m3
constexpr Real kDensityTolerance = 1e-6L;    // kmol/m3
// The absolute step alone leaves Z wrong by up to 1e-6/rho: 1.4e-5 at
// 100 kPa, 0.3 % at 0.6 kPa.  The relative step bound makes Z accurate at
// every pressure (about 40 passes instead of 15 to 25).
constexpr Real kRelativeTolerance = 1e-10L;

// Beattie-Bridgeman constants of the six named components, with their slot
// in the mixture order (M, Tc, eta0 and kappa0 come from the component table).
struct NamedComponent {
  int slot;
  BeattieBridgemanConstants k;
};
// CO and N2 share one set of constants in the published tables (Beattie and
// Bridgeman 1928), c = 4.20e4 included.  An older data set carried 4.20e5 for
// CO, which made B(CO, 293 K) -22.1 cm3/mol against -10.0 measured; with
// 4.20e4 it is -7.1.
constexpr std::array<NamedComponent, 6> kNamed = {{
    {kSlotH2, {20.01L, -0.00506L, 0.02096L, -0.04359L, 500.0L}},
    {kSlotCH4, {230.73L, 0.01855L, 0.05587L, -0.01587L, 128300.0L}},
    {kSlotCO, {136.25L, 0.02617L, 0.05046L, -0.00691L, 42000.0L}},
    {kSlotN2, {136.25L, 0.02617L, 0.05046L, -0.00691L, 42000.0L}},
    {kSlotCO2, {507.34L, 0.07132L, 0.10476L, 0.07235L, 660000.0L}},
    {kSlotO2, {151.1L, 0.02562L, 0.04624L, 0.00421L, 48000.0L}},
}};

// CnHm, the heavier hydrocarbons as one pseudo-component.
constexpr BeattieBridgemanConstants kCnHm = {420.0L, 0.045L, 0.094L, 0.019L, 10000.0L};
constexpr Real kCnHmMolarMass = 35.53L;                     // kg/kmol
constexpr Real kCnHmViscosity0 = 7.5e-6L;                   // Pa*s at 0 degC
constexpr Real kCnHmWeight = 125.85706178041818564L;        // sqrt(M*Tc)
constexpr Real kCnHmKappaMinusOne = 0.14L;

inline Real share(const Composition& x, int slot) { return x[static_cast<std::size_t>(slot)] / 100; }

inline bool outside(Real v, Real lo, Real hi) { return !(v >= lo && v <= hi); }

}  // namespace

BeattieBridgemanResult beattieBridgemanZ(const BeattieBridgemanConstants& k, Real tK, Real pKPa) {
  BeattieBridgemanResult r;
  if (!(tK > 0) || !std::isfinite(tK) || !(pKPa > 0) || !std::isfinite(pKPa)) return r;
  const Real t3 = tK * tK * tK;
  const Real rtp = kR * tK / pKPa;
  const Real a0p = k.a0 / pKPa;
  Real rho = kStartDensity;
  for (int pass = 1; pass <= kBeattieBridgemanMaxPasses; ++pass) {
    r.passes = pass;
    // V^2 = (1 - eps)*(R*T/p)*(V + B) - A/p, rho = 1/V.
    const Real v2 = (1 - k.c * rho / t3) * rtp * (1 / rho + k.b0 * (1 - k.b * rho)) -
                    a0p * (1 - k.a * rho);
    if (!(v2 > 0) || !std::isfinite(v2)) return r;
    const Real next = 1 / std::sqrt(v2);
    const Real step = std::fabs(next - rho);
    const bool done = step < kDensityTolerance && step <= kRelativeTolerance * next;
    rho = next;
    if (done) {
      r.molarDensity = rho;
      r.z = pKPa / (tK * rho * kR);
      r.ok = std::isfinite(r.z) && r.z > 0;
      return r;
    }
  }
  return r;
}

BeattieBridgemanConstants cokeGasConstants(const Composition& molePercent, Real cnHmPercent) {
  BeattieBridgemanConstants m;
  Real sqrtA0 = 0;
  auto add = [&](Real x, const BeattieBridgemanConstants& k) {
    sqrtA0 += x * std::sqrt(k.a0);
    m.a += x * k.a;
    m.b0 += x * k.b0;
    m.b += x * k.b;
    m.c += x * k.c;
  };
  for (const auto& n : kNamed) add(share(molePercent, n.slot), n.k);
  add(cnHmPercent / 100, kCnHm);
  m.a0 = sqrtA0 * sqrtA0;
  return m;
}

int cokeGasValidity(const Composition& molePercent, Real cnHmPercent, Real t, Real pKPa) {
  const auto pc = [&](int slot) { return molePercent[static_cast<std::size_t>(slot)]; };
  int code = kGasValid;
  if (outside(pKPa, 100.0L, 3000.0L)) code = kCokeStateRange;
  if (outside(t, 0.0L, 40.0L)) code = kCokeStateRange;
  if (outside(pc(kSlotH2), 45.0L, 65.0L)) code = kCokeH2Range;
  if (outside(pc(kSlotCH4), 10.0L, 35.0L)) code = kCokeCh4CnHmRange;
  if (!(pc(kSlotCO) <= 20.0L)) code = kCokeComponentRange;
  if (!(pc(kSlotN2) <= 20.0L)) code = kCokeComponentRange;
  if (!(pc(kSlotCO2) <= 10.0L)) code = kCokeComponentRange;
  if (!(pc(kSlotO2) <= 2.0L)) code = kCokeComponentRange;
  if (!(cnHmPercent <= 4.0L)) code = kCokeCh4CnHmRange;
  return code;
}

CokeGasResult cokeGasProperties(const Composition& molePercent, Real cnHmPercent,
                                Real relativeHumidity, Real t, Real pKPa, Real refTemperature,
                                Real refPressure) {
  CokeGasResult failure;
  failure.code = kCokeGasFailed;

  // Shares of the seven components must be usable numbers.
  if (!(cnHmPercent >= 0) || !std::isfinite(cnHmPercent)) return failure;
  for (const auto& n : kNamed) {
    const Real v = molePercent[static_cast<std::size_t>(n.slot)];
    if (!(v >= 0) || !std::isfinite(v)) return failure;
  }
  if (!std::isfinite(relativeHumidity)) return failure;

  CokeGasResult r;
  r.code = cokeGasValidity(molePercent, cnHmPercent, t, pKPa);

  // Compressibility at working and at reference conditions.
  const BeattieBridgemanConstants k = cokeGasConstants(molePercent, cnHmPercent);
  const Real tK = t + kKelvin;
  const Real tRefK = refTemperature + kKelvin;
  const BeattieBridgemanResult z1 = beattieBridgemanZ(k, tK, pKPa);
  const BeattieBridgemanResult zn = beattieBridgemanZ(k, tRefK, refPressure);
  if (!z1.ok || !zn.ok) return failure;
  r.compressibilityZ = z1.z;
  r.refCompressibilityZ = zn.z;
  r.compressibilityK1 = z1.z / zn.z;

  // Molar mass, viscosity at 0 degC (weights sqrt(M*Tc)) and the sum for kappa.
  Real m = 0, etaWeighted = 0, weights = 0, kappaSum = 0;
  for (const auto& n : kNamed) {
    const Real x = share(molePercent, n.slot);
    const ComponentData& d = componentData[static_cast<std::size_t>(n.slot)];
    const Real w = std::sqrt(d.molarMass * d.criticalTemperature);
    m += x * d.molarMass;
    etaWeighted += x * d.viscosity0 * 0.001L * w;  // mPa*s -> Pa*s
    weights += x * w;
    kappaSum += x / (d.isentropicExponent0 - 1);
  }
  const Real xCnHm = cnHmPercent / 100;
  m += xCnHm * kCnHmMolarMass;
  etaWeighted += xCnHm * kCnHmViscosity0 * kCnHmWeight;
  weights += xCnHm * kCnHmWeight;
  kappaSum += xCnHm / kCnHmKappaMinusOne;
  if (!(weights > 0) || !(kappaSum > 0)) return failure;

  r.refDensity = m * zn.molarDensity;

  // Humid gas: the dry part by the gas law with K1, plus the vapour.
  const Real phi = relativeHumidity / 100;
  if (phi != 0) {
    const SaturationState sat = waterSaturation(t);
    const Real ps = sat.pressureAt * 100.0L / kBarToAt;  // kPa
    r.steamMoleFraction = phi * ps / pKPa;
    r.density = r.refDensity * (pKPa - phi * ps) * tRefK / (tK * r.compressibilityK1 * refPressure) +
                phi * sat.vapourDensity;
  } else {
    r.density = r.refDensity * pKPa * tRefK / (tK * r.compressibilityK1 * refPressure);
  }

  // Viscosity [Pa*s]: Sutherland-like temperature term (C = 110 K) and a
  // linear pressure term.
  const Real eta0 = etaWeighted / weights;
  r.viscosity = eta0 * 0.0849L * std::pow(tK, 1.5L) / (tK + 110) + (pKPa - 101.325L) * 1.2e-10L;

  // Isentropic exponent: ideal-gas mixture plus pressure and temperature terms.
  r.isentropicExponent = 1 + 1 / kappaSum + 0.001L * (0.0138L * (pKPa - 101.325L) - 0.276L * t);

  const bool usable = std::isfinite(r.refDensity) && r.refDensity > 0 &&
                      std::isfinite(r.density) && r.density > 0 && std::isfinite(r.viscosity) &&
                      r.viscosity > 0 && std::isfinite(r.isentropicExponent) &&
                      r.isentropicExponent > 1 && std::isfinite(r.steamMoleFraction) &&
                      r.steamMoleFraction < 1;
  if (!usable) return failure;
  r.ok = true;
  return r;
}

}  // namespace dorvel
