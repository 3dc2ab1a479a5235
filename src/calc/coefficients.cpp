// Device coefficients: thermal expansion, drain hole, discharge coefficient,
// expansibility and the quarter-circle profile radius.
//
// Powers with non-integer exponents are evaluated through exp(y*ln x), as the
// program always has, sharing one ln of each base; in the beta terms, which
// the diameter solver evaluates on every pass, one root per equation
// (beta^0.1 or beta^0.05: an exponential, or in the solver's later passes the
// previous pass's root carried over by the binomial series) and
// multiplication give all of them.  Integer
// powers (beta^2, beta^4, beta^8 ...) are formed by multiplication and
// half-integer ones (beta^3.5, beta^4.5, (1e6/Re)^0.5) with sqrt.  Against
// exp(y*ln x) these differ in the last bits of the extended mantissa (below
// 1e-18 relative).
#include "calc/coefficients.h"

#include <array>
#include <cmath>

#include "calc/device_terms.h"

namespace dorvel {

namespace {

bool finitePositive(Real x) { return std::isfinite(x) && x > 0; }

// Common logarithm as the program evaluates it: 0.4343*ln x.  The constant
// is log10(e) = 0.434294... rounded to four digits; kept so that the results
// agree with the program's published figures.
Real lg(Real x) { return 0.4343L * std::log(x); }

const Real kLn1e6 = std::log(1e6L);
const Real kLn19000 = std::log(19000.0L);
// D and D/2 tappings, L1 = 1: 0.043 + 0.080 e^-10 - 0.123 e^-7.
const Real kTapUpstreamDD2 = 0.043L + 0.080L * std::exp(-10.0L) - 0.123L * std::exp(-7.0L);

// Thermal expansion data, Delta L/L in mm/m relative to 20 degC as
// e = (a*tau + b)*tau + c with tau = t/100, and the linear rule that replaces
// it near room temperature: slope*(t - 20)/100 for t <= limit.
struct ExpansionData {
  Real a, b, c;
  Real slope;  // 0: no linear rule
  Real linearUpTo;
};
constexpr std::array<ExpansionData, 7> kExpansion = {{
    {0.05537L, 1.5677L, -0.3326L, 1.65L, 145},  // 1 stainless steel (Cr-Ni)
    {0.0365L, 1.277L, -0.386L, 1.12L, 90},      // 2 carbon steel
    {0, 1.31L, -0.7L, 1, 145},                  // 3 chromium steel
    {0.0628L, 1.681L, -0.365L, 0, 0},           // 4 bronze
    {0.0322L, 1.418L, -0.3357L, 1.43L, 145},    // 5 Monel alloy
    {0.0639L, 2.474L, -0.511L, 0, 0},           // 6 aluminium
    {0, 2.25L, -0.45L, 0, 0},                   // 7 hot-rolled brass
}};

// Uncertainty of the Reader-Harris/Gallagher C, ISO 5167-2:2003 5.3.3.1.
Real orificeBaseUncertainty(Real beta) {
  if (beta < 0.2L) return 0.7L - beta;
  if (beta <= 0.6L) return 0.5L;
  return 1.667L * beta - 0.5L;
}

}  // namespace

// ---- geometry -----------------------------------------------------------------------

Real thermalExpansionFactor(int material, Real t) {
  if (material < 1 || material > 7 || !std::isfinite(t)) return 1;
  const ExpansionData& m = kExpansion[static_cast<std::size_t>(material - 1)];
  const Real tau = t / 100;
  Real e = (m.a * tau + m.b) * tau + m.c;
  if (e < 0) e = 0;
  // Stainless, chromium steel and Monel below 145 degC, carbon steel below
  // 90 degC: the linear rule (negative below 20 degC, not clamped).
  if (m.slope != 0 && t <= m.linearUpTo) e = m.slope * (t - 20) / 100;
  return 1 + e / 1000;
}

ThermalExpansion expansionFactors(int pipeMaterial, int deviceMaterial, Real temperatureC,
                                  Real pipeDiameter20) {
  ThermalExpansion e;
  e.pipeFactor = thermalExpansionFactor(pipeMaterial, temperatureC);
  e.deviceFactor = thermalExpansionFactor(deviceMaterial, temperatureC);
  e.pipeDiameter = e.pipeFactor * pipeDiameter20;
  return e;
}

Real drainHoleFactorOf(int deviceType) {
  if (isOrificePlate(deviceType)) return 0.55L;
  if (deviceType == DevIsa1932Nozzle) return 0.40L;
  return 0;
}

DeviceGeometry deviceGeometry(int deviceType, Real d20, Real dh, Real deviceFactor, Real D) {
  DeviceGeometry g;
  g.drainHoleFactor = drainHoleFactorOf(deviceType);
  g.drainHoleDiameter = g.drainHoleFactor == 0 ? 0 : dh;
  if (!finitePositive(d20) || !finitePositive(D)) return g;
  const Real r = g.drainHoleDiameter / d20;
  const Real d = d20 * (1 + g.drainHoleFactor * r * r) * deviceFactor;
  const Real beta = d / D;
  if (!std::isfinite(beta)) return g;
  g.deviceDiameter = d;
  g.beta = beta;
  g.valid = true;
  return g;
}

Real quarterCircleRadiusRatio(Real beta) {
  if (!std::isfinite(beta)) return 0;
  return 3.17e-6L * std::exp(16.8L * beta) + 0.0554L * std::exp(1.016L * beta) + 0.029L;
}

// ---- discharge coefficient ----------------------------------------------------------

namespace detail {

void prepareGeometry(const DeviceSetup& c, const TaskContext& task, GeometryTerms& g) {
  g = GeometryTerms{};
  const int dev = c.deviceType;
  g.device = dev;
  g.D = c.pipeDiameter;      // at t, in the equations
  g.D20 = c.pipeDiameter20;  // range tests
  if (dev < 1 || dev > 12 || !finitePositive(g.D) || !finitePositive(g.D20)) return;
  g.reFactor = 1;
  if (task.task == TaskDiameter && !task.rangeMode) {
    g.reFactor = task.nominalPercent / 100;
    if (!finitePositive(g.reFactor)) return;
  }
  g.smallBore = isSmallBoreOrifice(dev, g.D20);
  switch (dev) {
    case DevOrificeCorner:
    case DevOrificeDD2:
    case DevOrificeFlange:
      if (g.smallBore) {
        g.equation = dev == DevOrificeCorner ? CEquation::AsmeCorner : CEquation::AsmeFlange;
        g.Di = g.D / 25.4L;
      } else {
        g.equation = CEquation::ReaderHarrisGallagher;
        // Tapping terms: corner L1 = L2 = 0; D and D/2 L1 = 1, L2 = 0.47;
        // flange L1 = L2 = 25.4/D.
        Real L1 = 0, L2 = 0;
        if (dev == DevOrificeDD2) {
          L1 = 1;
          L2 = 0.47L;
        } else if (dev == DevOrificeFlange) {
          L1 = L2 = 25.4L / g.D;
        }
        if (dev == DevOrificeDD2)
          g.tapUpstreamK = kTapUpstreamDD2;
        else {
          // e^-7L1 and e^-10L1 as powers of e^-L1.
          const Real e1 = std::exp(-L1);
          const Real e2 = e1 * e1;
          const Real e3 = e2 * e1;
          const Real e7 = e3 * e3 * e1;
          g.tapUpstreamK = 0.043L + 0.080L * (e7 * e3) - 0.123L * e7;
        }
        g.hasM2 = L2 > 0;
        if (g.hasM2) {
          g.twoL2 = 2 * L2;
          g.lnTwoL2 = std::log(g.twoL2);
        }
        g.smallPipe = g.D < 71.12L;
        g.smallPipeK = 2.8L - g.D / 25.4L;
        if (dev == DevOrificeCorner && g.D20 >= 25 && g.D20 < 50) g.extraU = 0.5L;
      }
      break;
    case DevEccentricOrifice: {
      const Real k = c.eccentricRoughness;
      if (!std::isfinite(k) || k < 0) return;
      Real r = k / g.D;
      if (r > 0.0025L) r = 0.0025L;
      g.roughnessFactor = r >= 0.0003L;
      if (g.roughnessFactor) g.lgr = lg(r);
      g.equation = CEquation::Constant;
      break;
    }
    case DevIsa1932Nozzle: g.equation = CEquation::Isa1932; break;
    case DevLongRadiusNozzle: g.equation = CEquation::LongRadius; break;
    case DevVenturiMachined: g.equation = CEquation::VenturiMachined; break;
    default: g.equation = CEquation::Constant; break;
  }
  g.table = straightLengthTable(dev, g.D20);
  switch (g.table) {
    case LengthTable::Orifice: g.fitting = c.fittingOrifice; break;
    case LengthTable::SmallBore: g.fitting = c.fittingAsme; break;
    case LengthTable::Nozzle: g.fitting = c.fittingNozzle; break;
    case LengthTable::Venturi: g.fitting = c.fittingVenturi; break;
    case LengthTable::None: break;
  }
  g.upstreamActual = c.upstreamLengthActual;
  g.downstreamActual = c.downstreamLengthActual;
  g.valid = true;
}

namespace {

// Binomial coefficients of (1 + d)^y to d^10.
constexpr std::array<Real, 11> binomialCoefficients(Real y) {
  std::array<Real, 11> k{};
  k[0] = 1;
  for (int i = 1; i < 11; ++i) k[i] = k[i - 1] * (y - (i - 1)) / i;
  return k;
}

// x^y for y = Hundredths/100, from the root r = xn^y of a nearby xn and
// d = (x - xn)/xn: x^y = r (1 + d)^y, the series to d^10.  For |d| <= 0.01
// the truncation is below 1e-22 relative; otherwise, or without a root,
// exp(y ln x).
constexpr Real kNearLimit = 0.01L;
template <int Hundredths>
inline Real rootOf(Real x, Real r, Real d) {
  if (r > 0 && std::fabs(d) <= kNearLimit) {
    static constexpr std::array<Real, 11> k = binomialCoefficients(Hundredths / 100.0L);
    Real s = k[10];
    for (int i = 9; i >= 0; --i) s = s * d + k[static_cast<std::size_t>(i)];
    return r * s;
  }
  return std::exp(Hundredths / 100.0L * std::log(x));
}

}  // namespace

// Non-integer powers of beta are formed from one root per equation (beta^0.1
// or beta^0.05, by exp(y*ln beta) or carried over from a nearby beta) and
// multiplication; half-integer powers as an integer power times sqrt(beta),
// which is the same number rounded once less.
void prepareBeta(const GeometryTerms& g, Real beta, bool withLimits, BetaTerms& t,
                 const BetaTerms* near) {
  // `near` may be `t`: take what is needed before `t` is cleared.
  const Real nearBeta = near && near->valid ? near->beta : 0;
  const Real nearBetaRoot = nearBeta > 0 ? near->betaRoot : 0;
  const Real nearM2Root = nearBeta > 0 ? near->m2Root : 0;
  t = BetaTerms{};
  if (!g.valid || !(beta > 0 && beta < 1)) return;
  const Real dBeta = nearBeta > 0 ? (beta - nearBeta) / nearBeta : 1;
  t.beta = beta;
  const Real b2 = beta * beta;
  const Real b3 = b2 * beta;
  const Real b4 = b2 * b2;
  const Real b8 = b4 * b4;
  switch (g.equation) {
    case CEquation::AsmeCorner:
    case CEquation::AsmeFlange: {
      // ASME MFC-14M-2003 small-bore orifices, Di in inches:
      // C = sqrt(1 - b4) [...] + sqrt((1 - b4)/Re) [...]
      const Real root = std::sqrt(1 - b4);
      const Real Di = g.Di;
      if (g.equation == CEquation::AsmeCorner) {
        const Real b16 = b8 * b8;
        t.c0 = root * (0.5991L + 0.0044L / Di + (0.3155L + 0.0175L / Di) * (b4 + 2 * b16));
        t.kRe = root * ((0.52L / Di - 0.192L) + (16.48L - 1.16L / Di) * (b4 + 4 * b16));
      } else {
        t.c0 = root * (0.598L + 0.468L * (b4 + 10 * b8 * b4));
        t.kRe = root * (0.87L + 8.1L * b4);
      }
      t.u0 = 0.75L;
      break;
    }
    case CEquation::ReaderHarrisGallagher: {
      // Reader-Harris/Gallagher, ISO 5167-2:2003 eq. (4):
      // C = 0.5961 + 0.0261 b^2 - 0.216 b^8 + 0.000521 (1e6 b/Re)^0.7
      //   + (0.0188 + 0.0063 A) b^3.5 (1e6/Re)^0.3
      //   + (0.043 + 0.080 e^-10L1 - 0.123 e^-7L1)(1 - 0.11 A) b^4/(1 - b^4)
      //   - 0.031 (M2 - 0.8 M2^1.1) b^1.3
      //   [+ 0.011 (0.75 - b)(2.8 - D/25.4) for D < 71.12 mm],
      // A = (19000 b/Re)^0.8, M2 = 2 L2/(1 - b).  The Reynolds powers are
      // split as (1e6 b/Re)^0.7 = b^0.7 (1e6/Re)^0.7 and
      // (19000 b/Re)^0.8 = b^0.8 (19000/Re)^0.8.
      //
      // Every fractional power of beta is a multiple of 0.1 or of 0.5: one
      // exponential gives b^0.1, multiplication the rest (b^0.7, b^0.8,
      // b^1.3 = b^0.8 b^0.5).  Likewise M2^1.1 = M2 * M2^0.1.  Against
      // exp(y ln b) this differs by a few units in the last place of the
      // extended mantissa (below 1e-18 relative).
      const Real rootBeta = std::sqrt(beta);
      const Real p01 = rootOf<10>(beta, nearBetaRoot, dBeta);
      t.betaRoot = p01;
      const Real p02 = p01 * p01;
      const Real p04 = p02 * p02;
      const Real p08 = p04 * p04;
      Real downstream = 0;
      if (g.hasM2) {
        const Real M2 = g.twoL2 / (1 - beta);
        // M2/M2n = (1 - bn)/(1 - b) = 1 + (b - bn)/(1 - b).
        const Real dM2 = nearBeta > 0 ? (beta - nearBeta) / (1 - beta) : 1;
        const Real m2p01 = (nearM2Root > 0 && std::fabs(dM2) <= kNearLimit)
                               ? rootOf<10>(M2, nearM2Root, dM2)
                               : std::exp(0.1L * (g.lnTwoL2 - std::log(1 - beta)));
        t.m2Root = m2p01;
        downstream = -0.031L * (M2 - 0.8L * (M2 * m2p01)) * (p08 * rootBeta);
      }
      t.c0 = 0.5961L + 0.0261L * b2 - 0.216L * b8 + downstream;
      if (g.smallPipe) t.c0 += 0.011L * (0.75L - beta) * g.smallPipeK;
      t.tapUpstream = g.tapUpstreamK * b4 / (1 - b4);
      t.beta07 = p04 * p02 * p01;
      t.beta08 = p08;
      t.beta35 = b3 * rootBeta;
      // Uncertainty, ISO 5167-2:2003 5.3.3.1.
      t.u0 = orificeBaseUncertainty(beta) + g.extraU;
      if (g.smallPipe) t.u0 += 0.9L * (0.75L - beta) * g.smallPipeK;
      t.lowReAdd = beta > 0.5L;
      break;
    }
    case CEquation::Isa1932: {
      // ISO 5167-3:2003 eq. (5):
      // C = 0.9900 - 0.2262 b^4.1 - (0.00175 b^2 - 0.0033 b^4.15)(1e6/Re)^1.15
      // b^4.1 = b^4 b^0.1 and b^4.15 = b^4 b^0.15 from one exponential, b^0.05.
      const Real p005 = rootOf<5>(beta, nearBetaRoot, dBeta);
      t.betaRoot = p005;
      const Real p01 = p005 * p005;
      t.c0 = 0.9900L - 0.2262L * (b4 * p01);
      t.kRe = 0.00175L * b2 - 0.0033L * (b4 * (p01 * p005));
      t.u0 = beta <= 0.6L ? Real(0.8L) : 2 * beta - 0.4L;
      break;
    }
    case CEquation::LongRadius:
      // ISO 5167-3:2003 eq. (6): C = 0.9965 - 0.00653 b^0.5 (1e6/Re)^0.5
      t.c0 = 0.9965L;
      t.kRe = 0.00653L * std::sqrt(beta);
      t.u0 = 2.0L;
      break;
    case CEquation::VenturiMachined:
      t.c0 = 0.995L;
      t.u0 = 1.0L;
      break;
    case CEquation::Constant:
      switch (g.device) {
        case DevEccentricOrifice: {
          // ISO/TR 15377:2018: C = C0 F, F the pipe-roughness factor.
          const Real C0 = 0.9355L - 1.6889L * beta + 3.0428L * b2 - 1.7989L * b3;
          Real F = 1;
          if (g.roughnessFactor) {
            F = 1.032L + 0.0178L * g.lgr + 0.0939L * b2 + 0.0126L * b2 * g.lgr;
            if (F < 1) F = 1;
          }
          t.c0 = C0 * F;
          t.u0 = beta > 0.75L ? Real(2.0L) : Real(1.0L);
          break;
        }
        case DevVenturiNozzle:
          // ISO 5167-3:2003 eq. (8): C = 0.9858 - 0.196 b^4.5
          t.c0 = 0.9858L - 0.196L * b4 * std::sqrt(beta);
          t.u0 = 1.2L + 1.5L * b4;
          break;
        case DevQuarterCircle:
          // ISO/TR 15377:2018.
          t.c0 = 0.73823L + 0.3309L * beta - 1.1615L * b2 + 1.5084L * b3;
          t.u0 = beta <= 0.316L ? Real(2.5L) : Real(2.0L);
          break;
        case DevVenturiAsCast:  // ISO 5167-4:2003 5.5.4
          t.c0 = 0.984L;
          t.u0 = 0.7L;
          break;
        case DevVenturiRoughWelded:
          t.c0 = 0.985L;
          t.u0 = 1.5L;
          break;
        case DevConicalEntrance:  // ISO/TR 15377:2018
          t.c0 = 0.734L;
          t.u0 = 2.0L;
          break;
        default:
          return;
      }
      break;
  }
  t.valid = std::isfinite(t.c0) && std::isfinite(t.kRe) && std::isfinite(t.tapUpstream);
  if (withLimits) addLimits(g, t);
}

void addLimits(const GeometryTerms& g, BetaTerms& t) {
  if (!t.valid) return;
  const Real beta = t.beta;
  t.withLimits = true;
  t.reynoldsLimits = reynoldsLimitsOf(g.device, beta, g.D, g.D20);
  t.roughnessFromTable = isOrificePlate(g.device) && !g.smallBore;
  if (!t.roughnessFromTable) t.roughnessFactor = roughnessLimitFactorOf(g.device, g.D20, beta, 0);
  t.lengths = straightLengthsFor(g.table, g.fitting, beta);
  t.lengthCheck = checkStraightLengths(t.lengths, g.upstreamActual, g.downstreamActual, g.D20);
}

void prepareReynolds(const GeometryTerms& g, Real reynolds, ReynoldsTerms& r) {
  r = ReynoldsTerms{};
  if (!g.valid) return;
  r.re = reynolds * g.reFactor;  // Re_c
  if (!finitePositive(r.re)) return;
  if (r.re == 1e6L) {
    // The flowrate solver starts at Re_D = 1e6: the terms are constants
    // (computed exactly as below, ln Re = ln 1e6).
    static const ReynoldsTerms k = [] {
      ReynoldsTerms t;
      t.r07 = std::exp(0.7L * (kLn1e6 - kLn1e6));
      t.r08 = std::exp(0.8L * (kLn19000 - kLn1e6));
      t.r03 = std::exp(0.3L * (kLn1e6 - kLn1e6));
      return t;
    }();
    static const Real isa = std::exp(1.15L * (kLn1e6 - kLn1e6));
    static const Real longRadius = std::sqrt(1e6L / 1e6L);
    static const Real asme = 1 / std::sqrt(1e6L);
    if (g.equation == CEquation::ReaderHarrisGallagher) {
      r.r07 = k.r07;
      r.r08 = k.r08;
      r.r03 = k.r03;
    } else if (g.equation == CEquation::Isa1932) {
      r.rNozzle = isa;
    } else if (g.equation == CEquation::LongRadius) {
      r.rNozzle = longRadius;
    } else if (g.equation == CEquation::AsmeCorner || g.equation == CEquation::AsmeFlange) {
      r.rNozzle = asme;
    }
    r.valid = true;
    return;
  }
  switch (g.equation) {
    case CEquation::ReaderHarrisGallagher: {
      // One exponential, (1e6/Re)^0.1, gives the three powers:
      // (19000/Re)^0.8 = (19000/1e6)^0.8 (1e6/Re)^0.8.
      static const Real k19000 = std::exp(0.8L * (kLn19000 - kLn1e6));
      const Real q = std::exp(0.1L * (kLn1e6 - std::log(r.re)));
      const Real q2 = q * q;
      const Real q3 = q2 * q;
      const Real q4 = q2 * q2;
      r.r07 = q4 * q3;
      r.r08 = k19000 * (q4 * q4);
      r.r03 = q3;
      break;
    }
    case CEquation::Isa1932:
      r.rNozzle = std::exp(1.15L * (kLn1e6 - std::log(r.re)));
      break;
    case CEquation::LongRadius:
      r.rNozzle = std::sqrt(1e6L / r.re);
      break;
    case CEquation::AsmeCorner:
    case CEquation::AsmeFlange:
      r.rNozzle = 1 / std::sqrt(r.re);
      break;
    case CEquation::VenturiMachined:
    case CEquation::Constant:
      break;
  }
  r.valid = std::isfinite(r.r07) && std::isfinite(r.r08) && std::isfinite(r.r03) &&
            std::isfinite(r.rNozzle);
}

bool dischargeCoefficientOf(const GeometryTerms& g, const BetaTerms& t, const ReynoldsTerms& r,
                            Real& C) {
  if (!g.valid || !t.valid || !r.valid) return false;
  Real v = t.c0;
  switch (g.equation) {
    case CEquation::ReaderHarrisGallagher: {
      const Real A = t.beta08 * r.r08;
      v += 0.000521L * t.beta07 * r.r07 + (0.0188L + 0.0063L * A) * t.beta35 * r.r03 +
           t.tapUpstream * (1 - 0.11L * A);
      break;
    }
    case CEquation::AsmeCorner:
    case CEquation::AsmeFlange:
      v += t.kRe * r.rNozzle;
      break;
    case CEquation::Isa1932:
    case CEquation::LongRadius:
      v -= t.kRe * r.rNozzle;
      break;
    case CEquation::VenturiMachined:
      if (r.re > 1e6L) v = 1.000L;
      break;
    case CEquation::Constant:
      break;
  }
  if (!std::isfinite(v)) return false;
  C = v;
  return true;
}

Coefficients evaluateCoefficients(const GeometryTerms& g, const BetaTerms& t,
                                  const ReynoldsTerms& r) {
  Coefficients k;
  Real C = 0;
  if (!t.withLimits || !dischargeCoefficientOf(g, t, r, C)) return k;
  k.C = C;
  Real u = t.u0;
  if (t.lowReAdd && r.re < 10000) u += 0.5L;
  if (t.lengthCheck.addUncertainty) u += 0.5L;
  k.uC = u;
  k.reynoldsLimits = t.reynoldsLimits;
  k.roughnessLimitFactor =
      t.roughnessFromTable ? orificeRoughnessTable(t.beta, r.re) * kPi : t.roughnessFactor;
  k.lengths = t.lengths;
  k.status = t.lengthCheck.status;
  return k;
}

// ---- expansibility ------------------------------------------------------------------

void prepareExpansibility(int deviceType, const TaskContext& task, Real kappa,
                          ExpansibilityTerms& e) {
  e = ExpansibilityTerms{};
  switch (deviceType) {
    case DevOrificeCorner:
    case DevOrificeDD2:
    case DevOrificeFlange:
    case DevEccentricOrifice:
    case DevQuarterCircle:
      e.family = EpsFamily::Orifice;
      break;
    case DevIsa1932Nozzle:
    case DevLongRadiusNozzle:
    case DevVenturiNozzle:
    case DevVenturiAsCast:
    case DevVenturiMachined:
    case DevVenturiRoughWelded:
      e.family = EpsFamily::Nozzle;
      break;
    case DevConicalEntrance:
      e.family = EpsFamily::Conical;
      break;
    default:
      return;
  }
  if (!finitePositive(kappa)) return;
  if (e.family != EpsFamily::Orifice && kappa == 1) return;
  e.xFactor = 1;
  if (task.task == TaskDiameter && !task.rangeMode) {
    const Real n = task.nominalPercent / 100;
    e.xFactor = n * n;
    if (!std::isfinite(e.xFactor)) return;
  }
  e.kappa = kappa;
  e.valid = true;
}

bool setExpansibilityBeta(ExpansibilityTerms& e, Real beta) {
  e.betaSet = false;
  if (!e.valid || !(beta > 0 && beta < 1)) return false;
  e.beta4 = beta * beta * beta * beta;
  e.orificeK = 0.351L + 0.256L * e.beta4 + 0.93L * e.beta4 * e.beta4;
  e.betaSet = true;
  return true;
}

bool preparePressure(const ExpansibilityTerms& e, Real dp, Real p1, PressureTerms& p) {
  p = PressureTerms{};
  if (!e.valid || !std::isfinite(dp) || dp < 0 || !finitePositive(p1)) return false;
  p.x = dp / (10000 * p1) * e.xFactor;
  if (!std::isfinite(p.x) || p.x >= 1) return false;
  p.tau = 1 - p.x;
  const Real lnTau = std::log(p.tau);
  const Real k = e.kappa;
  // tau^(2/k) = (tau^(1/k))^2 and tau^((k-1)/k) = tau/tau^(1/k).
  const bool nozzleTerms = e.family != EpsFamily::Orifice && p.x >= 0.001L;
  if (e.family != EpsFamily::Nozzle || nozzleTerms) {
    const Real t1k = std::exp(lnTau / k);
    if (e.family != EpsFamily::Nozzle) p.tau1k = t1k;
    if (nozzleTerms) {
      p.tau2k = t1k * t1k;
      p.taukk = p.tau / t1k;
    }
  }
  p.valid = true;
  return true;
}

bool expansibilityOf(const ExpansibilityTerms& e, const PressureTerms& p, Real& eps) {
  if (!e.betaSet || !p.valid) return false;
  Real orifice = 1, nozzle = 1;
  if (e.family != EpsFamily::Nozzle) {
    // ISO 5167-2:2003 eq. (5)
    orifice = 1 - e.orificeK * (1 - p.tau1k);
  }
  if (e.family != EpsFamily::Orifice && p.x >= 0.001L) {
    // ISO 5167-3:2003 eq. (3); below x = 0.001 the factor is taken as 1.
    const Real k = e.kappa;
    const Real arg = (k * p.tau2k / (k - 1)) * ((1 - e.beta4) / (1 - e.beta4 * p.tau2k)) *
                     ((1 - p.taukk) / (1 - p.tau));
    if (!(arg >= 0)) return false;
    nozzle = std::sqrt(arg);
  }
  const Real r = e.family == EpsFamily::Orifice  ? orifice
                 : e.family == EpsFamily::Nozzle ? nozzle
                                                 : (orifice + nozzle) / 2;
  if (!std::isfinite(r)) return false;
  eps = r;
  return true;
}

bool evaluateExpansibility(const ExpansibilityTerms& e, Real dp, Real p1, Real& eps) {
  PressureTerms p;
  return preparePressure(e, dp, p1, p) && expansibilityOf(e, p, eps);
}

}  // namespace detail

DeviceSetup deviceSetupOf(const CalculationCase& c) {
  DeviceSetup d;
  d.deviceType = c.deviceType;
  d.pipeDiameter20 = c.pipeDiameter20;
  d.pipeDiameter = c.pipeDiameter;
  d.eccentricRoughness = c.eccentricRoughness;
  d.fittingOrifice = c.fittingOrifice;
  d.fittingAsme = c.fittingAsme;
  d.fittingNozzle = c.fittingNozzle;
  d.fittingVenturi = c.fittingVenturi;
  d.upstreamLengthActual = c.upstreamLengthActual;
  d.downstreamLengthActual = c.downstreamLengthActual;
  return d;
}

TaskContext taskContextOf(const CalculationCase& c) {
  return TaskContext{c.task, c.rangeMode, c.nominalPercent};
}

Coefficients deviceCoefficients(const DeviceSetup& device, const TaskContext& task, Real beta,
                                Real reynolds) {
  detail::GeometryTerms g;
  detail::BetaTerms t;
  detail::ReynoldsTerms r;
  detail::prepareGeometry(device, task, g);
  detail::prepareBeta(g, beta, true, t);
  detail::prepareReynolds(g, reynolds, r);
  return detail::evaluateCoefficients(g, t, r);
}

Real expansibilityFactor(int deviceType, const TaskContext& task, Real kappa, Real beta, Real dp,
                         Real p1) {
  detail::ExpansibilityTerms e;
  detail::prepareExpansibility(deviceType, task, kappa, e);
  detail::setExpansibilityBeta(e, beta);
  Real eps = 1;
  if (!detail::evaluateExpansibility(e, dp, p1, eps)) return 1;
  return eps;
}

}  // namespace dorvel
