// Limits of use and required straight lengths of the primary devices.
#include "calc/limits.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace dorvel {

namespace {

bool finitePositive(Real x) { return std::isfinite(x) && x > 0; }

// ---- table lookup ---------------------------------------------------------------

// Linear interpolation in beta on an ascending grid: at or below the first
// point the first value, at or above the last point the last value,
// otherwise between the first grid point not below beta and the one before.
template <std::size_t N>
Real lookupBeta(const std::array<Real, N>& grid, const std::array<Real, N>& values, Real beta) {
  if (!(beta > grid[0])) return values[0];  // also a NaN beta
  if (beta >= grid[N - 1]) return values[N - 1];
  std::size_t i = 1;
  while (grid[i] < beta) ++i;
  const Real w = (beta - grid[i - 1]) / (grid[i] - grid[i - 1]);
  return values[i - 1] + w * (values[i] - values[i - 1]);
}

// ---- roughness --------------------------------------------------------------------

// ISO 5167-2:2003 Table 3: upper limit of 10^4*Ra/D for orifice plates.
constexpr std::array<Real, 9> kRoughReynolds = {1e4L, 3e4L, 1e5L, 3e5L, 1e6L,
                                                3e6L, 1e7L, 3e7L, 1e8L};
constexpr std::array<Real, 6> kRoughBeta = {0.20L, 0.30L, 0.40L, 0.50L, 0.60L, 0.65L};
constexpr std::array<std::array<Real, 9>, 6> kRoughOrifice = {{
    {15, 15, 15, 15, 15, 15, 15, 15, 15},                                  // beta <= 0.20
    {15, 15, 15, 15, 15, 15, 15, 14, 13},                                  // 0.30
    {15, 15, 10, 7.2L, 5.2L, 4.1L, 3.5L, 3.1L, 2.7L},                     // 0.40
    {11, 7.7L, 4.9L, 3.3L, 2.2L, 1.6L, 1.3L, 1.1L, 0.9L},                 // 0.50
    {5.6L, 4.0L, 2.5L, 1.6L, 1.0L, 0.7L, 0.6L, 0.5L, 0.4L},               // 0.60
    {4.2L, 3.0L, 1.9L, 1.2L, 0.8L, 0.6L, 0.4L, 0.3L, 0.3L},               // >= 0.65
}};

// One row of the orifice table, linear in Re (end columns outside 1e4..1e8).
Real roughRow(const std::array<Real, 9>& row, Real re) {
  if (!(re > kRoughReynolds[0])) return row[0];
  if (re >= kRoughReynolds[8]) return row[8];
  std::size_t i = 1;
  while (kRoughReynolds[i] < re) ++i;
  const Real w = (re - kRoughReynolds[i - 1]) / (kRoughReynolds[i] - kRoughReynolds[i - 1]);
  return row[i - 1] + w * (row[i] - row[i - 1]);
}

// ISO 5167-3:2003 Table 1: upper limit of 10^4*k/D, ISA 1932 and Venturi nozzles.
constexpr std::array<Real, 13> kRoughNozzleBeta = {0.35L, 0.36L, 0.38L, 0.40L, 0.42L,
                                                   0.44L, 0.46L, 0.48L, 0.50L, 0.60L,
                                                   0.70L, 0.77L, 0.80L};
constexpr std::array<Real, 13> kRoughNozzle = {25, 18.6L, 13.5L, 10.6L, 8.7L, 7.5L, 6.7L,
                                               6.1L, 5.6L, 4.5L, 4.0L, 3.9L, 3.9L};

// ---- straight lengths ------------------------------------------------------------

struct AB {
  Real a;
  Real b;
};

// ISO 5167-2:2003 Table 3: orifice plates, fittings 1-10 (A / B), beta grid
// 0.1 ... 0.75, and the downstream lengths.  Fittings 11 and 12 do not vary
// with beta.
constexpr std::array<Real, 7> kOrificeBeta = {0.1L, 0.2L, 0.4L, 0.5L, 0.6L, 0.67L, 0.75L};
constexpr std::array<std::array<AB, 7>, 10> kOrificeLengths = {{
    {{{6, 3}, {6, 3}, {16, 3}, {22, 9}, {42, 13}, {44, 20}, {44, 20}}},
    {{{10, 10}, {10, 10}, {10, 10}, {18, 10}, {30, 18}, {44, 18}, {44, 18}}},
    {{{10, 10}, {10, 10}, {10, 10}, {22, 10}, {42, 18}, {44, 20}, {44, 22}}},
    {{{19, 18}, {19, 18}, {44, 18}, {44, 18}, {44, 18}, {44, 20}, {44, 20}}},
    {{{34, 17}, {34, 17}, {50, 25}, {75, 34}, {65, 25}, {60, 18}, {75, 18}}},
    {{{3, 3}, {3, 3}, {9, 3}, {19, 9}, {29, 18}, {36, 18}, {44, 18}}},
    {{{7, 7}, {7, 7}, {30, 9}, {30, 18}, {30, 18}, {44, 18}, {44, 18}}},
    {{{5, 5}, {5, 5}, {5, 5}, {8, 5}, {9, 5}, {12, 6}, {13, 8}}},
    {{{6, 6}, {6, 6}, {12, 8}, {20, 9}, {26, 11}, {28, 14}, {36, 18}}},
    {{{12, 6}, {12, 6}, {12, 6}, {12, 6}, {14, 7}, {18, 9}, {24, 12}}},
}};
constexpr std::array<Real, 7> kOrificeDownstream = {4, 4, 6, 6, 7, 7, 8};
constexpr AB kOrificeAbruptReduction = {30, 15};  // fitting 11
constexpr AB kOrificeThermowell = {5, 3};         // fitting 12

// ASME MFC-14M-2003: small-bore orifices, fittings 1-7 (A = B), beta grid
// 0.10 ... 0.80 in steps of 0.05.
constexpr std::array<Real, 15> kSmallBoreBeta = {0.10L, 0.15L, 0.20L, 0.25L, 0.30L,
                                                 0.35L, 0.40L, 0.45L, 0.50L, 0.55L,
                                                 0.60L, 0.65L, 0.70L, 0.75L, 0.80L};
constexpr std::array<std::array<Real, 15>, 7> kSmallBoreLengths = {{
    {24, 24, 24, 24, 24, 24, 25, 25, 25, 26, 27, 29, 32, 35, 40},
    {25, 25, 25, 25, 26, 26, 27, 27, 28, 29, 31, 32, 35, 38, 45},
    {30, 30, 30, 30, 30, 31, 31, 32, 33, 35, 37, 39, 42, 45, 50},
    {20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 21, 23, 25, 30},
    {22, 22, 22, 22, 22, 22, 22, 23, 23, 24, 25, 26, 28, 30, 35},
    {24, 24, 24, 24, 24, 24, 25, 25, 25, 26, 27, 29, 32, 35, 40},
    {22, 22, 22, 22, 22, 22, 22, 23, 23, 24, 25, 26, 28, 30, 35},
}};
constexpr Real kSmallBoreAbruptReduction = 30;  // fitting 8
constexpr Real kSmallBoreThermowell = 5;        // fitting 9
constexpr Real kSmallBoreDownstream = 10;

// ISO 5167-3:2003 Table 3: nozzles and the quarter-circle orifice, fittings
// 1-7 (upstream A), beta grid 0.1, 0.2, 0.25 ... 0.8.
constexpr std::array<Real, 14> kNozzleBeta = {0.10L, 0.20L, 0.25L, 0.30L, 0.35L, 0.40L, 0.45L,
                                              0.50L, 0.55L, 0.60L, 0.65L, 0.70L, 0.75L, 0.80L};
constexpr std::array<std::array<Real, 14>, 7> kNozzleLengths = {{
    {10, 10, 10, 10, 12, 14, 14, 14, 16, 18, 22, 28, 36, 46},
    {14, 14, 14, 16, 16, 18, 18, 20, 22, 26, 32, 36, 42, 50},
    {34, 34, 34, 34, 36, 36, 38, 40, 44, 48, 54, 62, 70, 80},
    {5, 5, 5, 5, 5, 5, 5, 6, 8, 9, 11, 14, 22, 30},
    {16, 16, 16, 16, 16, 16, 17, 18, 20, 22, 25, 30, 38, 54},
    {18, 18, 18, 18, 18, 20, 20, 22, 24, 26, 28, 32, 36, 44},
    {12, 12, 12, 12, 12, 12, 12, 12, 14, 14, 16, 20, 24, 30},
}};
constexpr AB kNozzleAbruptReduction = {30, 15};  // fitting 8
constexpr AB kNozzleThermowellSmall = {5, 3};    // fitting 9, diameter <= 0.03D
constexpr AB kNozzleThermowellLarge = {20, 10};  // fitting 10, diameter > 0.03D

// ISO 5167-4:2003 Table 1: classical Venturi tubes, fittings 1-7 (A / B),
// beta grid 0.3 ... 0.75.
constexpr std::array<Real, 6> kVenturiBeta = {0.30L, 0.40L, 0.50L, 0.60L, 0.70L, 0.75L};
constexpr std::array<std::array<AB, 6>, 7> kVenturiLengths = {{
    {{{8, 3}, {8, 3}, {9, 3}, {10, 3}, {14, 3}, {16, 8}}},
    {{{8, 3}, {8, 3}, {10, 3}, {10, 3}, {18, 3}, {22, 8}}},
    {{{4, 4}, {4, 4}, {4, 4}, {4, 4}, {4, 4}, {4, 4}}},
    {{{4, 4}, {4, 4}, {5, 4}, {6, 4}, {7, 5}, {7, 6}}},
    {{{2.5L, 2.5L}, {2.5L, 2.5L}, {5.5L, 2.5L}, {8.5L, 2.5L}, {10.5L, 2.5L}, {11.5L, 3.5L}}},
    {{{2.5L, 2.5L}, {2.5L, 2.5L}, {2.5L, 2.5L}, {3.5L, 2.5L}, {5.5L, 3.5L}, {6.5L, 4.5L}}},
    {{{2.5L, 2.5L}, {2.5L, 2.5L}, {3.5L, 2.5L}, {4.5L, 2.5L}, {5.5L, 3.5L}, {5.5L, 3.5L}}},
}};
constexpr AB kVenturiThermowell = {4, 4};  // fitting 8

template <std::size_t N>
AB lookupAB(const std::array<Real, N>& grid, const std::array<AB, N>& row, Real beta) {
  std::array<Real, N> a{}, b{};
  for (std::size_t i = 0; i < N; ++i) {
    a[i] = row[i].a;
    b[i] = row[i].b;
  }
  return {lookupBeta(grid, a, beta), lookupBeta(grid, b, beta)};
}

Real nozzleDownstream(Real beta) {
  if (beta < 0.275L) return 4;
  if (beta < 0.375L) return 5;
  if (beta < 0.575L) return 6;
  if (beta < 0.725L) return 7;
  return 8;
}

}  // namespace

// ---- ranges -------------------------------------------------------------------------

bool isSmallBoreOrifice(int deviceType, Real D20) {
  return (deviceType == DevOrificeCorner && D20 < 25) ||
         (deviceType == DevOrificeFlange && D20 < 50);
}

const char* standardLabel(Standard standard, StandardLabelUse use) {
  switch (standard) {
    case Standard::AsmeMfc14M:
      return use == StandardLabelUse::Window ? "ASME-MFC-14M-2003" : "ASME MFC-14M-2003";
    case Standard::IsoTr15377: return "ISO/TR 15377:2018";
    default: return use == StandardLabelUse::Results ? "ISO 5167 : 2022" : "ISO 5167:2022";
  }
}

Standard governingStandard(int deviceType, Real D20) {
  if (isSmallBoreOrifice(deviceType, D20)) return Standard::AsmeMfc14M;
  if ((deviceType == DevOrificeCorner && D20 < 50) || deviceType == DevEccentricOrifice ||
      deviceType == DevQuarterCircle || deviceType == DevConicalEntrance)
    return Standard::IsoTr15377;
  return Standard::Iso5167;
}

LimitRange pipeDiameterRange(int deviceType) {
  // ISO 5167-2/-3/-4, ISO/TR 15377; corner tappings down to 12 mm and flange
  // tappings down to 25 mm by ASME MFC-14M.
  static constexpr std::array<LimitRange, 12> kRange = {{
      {12, 1000}, {50, 1000}, {25, 1000}, {50, 500}, {50, 630}, {65, 500},
      {100, 1000}, {25, 500}, {100, 800}, {50, 350}, {200, 1200}, {25, 500},
  }};
  if (deviceType < 1 || deviceType > 12) return {0, 0};
  return kRange[static_cast<std::size_t>(deviceType - 1)];
}

Real minimumThroatDiameter(int deviceType, Real D20) {
  Real dmin = 1.2L;
  if (deviceType == DevOrificeCorner && D20 <= 12) dmin = 0.6L;
  if (deviceType == DevQuarterCircle) dmin = 15;
  if (deviceType == DevOrificeCorner && D20 >= 25) dmin = 12.5L;
  if (deviceType == DevOrificeDD2) dmin = 12.5L;
  if (deviceType == DevOrificeFlange && D20 >= 50) dmin = 12.5L;
  if (deviceType == DevVenturiNozzle) dmin = 50;
  if (deviceType == DevConicalEntrance) dmin = 6;
  if (deviceType == DevEccentricOrifice) dmin = 50;
  return dmin;
}

LimitRange betaRange(int deviceType, Real D20) {
  static constexpr std::array<LimitRange, 12> kRange = {{
      {0.1L, 0.75L}, {0.1L, 0.75L}, {0.1L, 0.75L}, {0.3L, 0.8L}, {0.2L, 0.8L},
      {0.316L, 0.775L}, {0.46L, 0.84L}, {0.245L, 0.6L}, {0.3L, 0.75L}, {0.4L, 0.75L},
      {0.4L, 0.7L}, {0.1L, 0.316L},
  }};
  if (deviceType < 1 || deviceType > 12) return {0, 0};
  LimitRange r = kRange[static_cast<std::size_t>(deviceType - 1)];
  if (deviceType == DevOrificeCorner && D20 >= 25 && D20 < 50) r = {0.23L, 0.7L};
  if (deviceType == DevOrificeCorner && D20 < 25) r.max = 0.8L;
  if (deviceType == DevOrificeFlange && D20 < 50) r = {0.15L, 0.7L};
  return r;
}

ReynoldsLimits reynoldsLimitsOf(int deviceType, Real beta, Real D, Real D20) {
  using namespace reynolds_limit;
  const Real b2 = beta * beta;
  switch (deviceType) {
    case DevOrificeCorner:
    case DevOrificeDD2:
      if (isSmallBoreOrifice(deviceType, D20)) return {kSmallBore, 0, false};
      return {beta > kOrificeSteepBeta ? kOrificeBeta2 * b2 : kOrifice, 0, false};
    case DevOrificeFlange: {
      if (isSmallBoreOrifice(deviceType, D20)) return {kSmallBore, 0, false};
      const Real m = kFlangeBeta2D * b2 * D;
      return {m > kOrifice ? m : kOrifice, 0, false};
    }
    case DevIsa1932Nozzle:
      return {beta < kIsaStepBeta ? kIsaLowBeta : kIsaHighBeta, kNozzleMax, true};
    case DevLongRadiusNozzle:
      return {kLongRadius, kNozzleMax, true};
    case DevVenturiNozzle:
      return {kVenturiNozzle, kVenturiMax, true};
    case DevEccentricOrifice:
      return {kEccentricBeta2 * b2, kEccentricMaxBeta * beta, true};
    case DevQuarterCircle: {
      const Real u = beta - 0.24L;
      const Real u2 = u * u, u4 = u2 * u2;
      return {1000 * beta + 9.4e6L * u4 * u4, kQuarterCircleMaxBeta * beta, true};
    }
    case DevVenturiAsCast:
    case DevVenturiMachined:
    case DevVenturiRoughWelded:
      return {kVenturiTube, kVenturiMax, true};
    case DevConicalEntrance:
      return {kConical, kConicalMaxBeta * beta, true};
    default:
      return {0, 0, false};
  }
}

// ---- roughness ----------------------------------------------------------------------

Real orificeRoughnessTable(Real beta, Real re) {
  if (!(beta > kRoughBeta[0])) return 15;
  if (beta >= kRoughBeta[5]) return roughRow(kRoughOrifice[5], re);
  std::size_t i = 1;
  while (kRoughBeta[i] < beta) ++i;
  const Real lo = roughRow(kRoughOrifice[i - 1], re);
  const Real hi = roughRow(kRoughOrifice[i], re);
  const Real w = (beta - kRoughBeta[i - 1]) / (kRoughBeta[i] - kRoughBeta[i - 1]);
  return lo + w * (hi - lo);
}

Real nozzleRoughnessTable(Real beta) {
  if (!(beta > 0.35L)) return 25;
  if (beta >= 0.8L) return 3.9L;
  return lookupBeta(kRoughNozzleBeta, kRoughNozzle, beta);
}

Real roughnessLimitFactorOf(int deviceType, Real D20, Real beta, Real re) {
  switch (deviceType) {
    case DevOrificeCorner:
    case DevOrificeDD2:
    case DevOrificeFlange:
      if (isSmallBoreOrifice(deviceType, D20)) return 0.00025L;
      // The table gives the arithmetical mean deviation Ra; the equivalent
      // roughness is k = pi*Ra (ISO 5167-1:2003, 3.3.5).
      return orificeRoughnessTable(beta, re) * kPi;
    case DevIsa1932Nozzle:
    case DevVenturiNozzle:
      return nozzleRoughnessTable(beta);
    case DevEccentricOrifice:
      return 25;
    case DevLongRadiusNozzle:
    case DevQuarterCircle:
    case DevVenturiAsCast:
    case DevVenturiMachined:
    case DevVenturiRoughWelded:
    case DevConicalEntrance:
      return 10;
    default:
      return 0;
  }
}

// ---- straight lengths ---------------------------------------------------------------

LengthTable straightLengthTable(int deviceType, Real D20) {
  switch (deviceType) {
    case DevOrificeCorner:
    case DevOrificeFlange:
      return isSmallBoreOrifice(deviceType, D20) ? LengthTable::SmallBore : LengthTable::Orifice;
    case DevOrificeDD2:
    case DevEccentricOrifice:
    case DevConicalEntrance:
      return LengthTable::Orifice;
    case DevIsa1932Nozzle:
    case DevLongRadiusNozzle:
    case DevVenturiNozzle:
    case DevQuarterCircle:
      return LengthTable::Nozzle;
    case DevVenturiAsCast:
    case DevVenturiMachined:
    case DevVenturiRoughWelded:
      return LengthTable::Venturi;
    default:
      return LengthTable::None;
  }
}

StraightLengths straightLengthsFor(LengthTable table, int fitting, Real beta) {
  StraightLengths s;
  switch (table) {
    case LengthTable::Orifice: {
      AB up;
      if (fitting >= 1 && fitting <= 10)
        up = lookupAB(kOrificeBeta, kOrificeLengths[static_cast<std::size_t>(fitting - 1)], beta);
      else if (fitting == 11)
        up = kOrificeAbruptReduction;
      else if (fitting == 12)
        up = kOrificeThermowell;
      else
        return s;
      s.upstreamA = up.a;
      s.upstreamB = up.b;
      s.downstreamA = lookupBeta(kOrificeBeta, kOrificeDownstream, beta);
      s.downstreamB = s.downstreamA / 2;
      break;
    }
    case LengthTable::SmallBore: {
      Real up;
      if (fitting >= 1 && fitting <= 7)
        up = lookupBeta(kSmallBoreBeta, kSmallBoreLengths[static_cast<std::size_t>(fitting - 1)],
                        beta);
      else if (fitting == 8)
        up = kSmallBoreAbruptReduction;
      else if (fitting == 9)
        up = kSmallBoreThermowell;
      else
        return s;
      s.upstreamA = s.upstreamB = up;
      s.downstreamA = s.downstreamB = kSmallBoreDownstream;
      break;
    }
    case LengthTable::Nozzle: {
      if (fitting >= 1 && fitting <= 7) {
        s.upstreamA =
            lookupBeta(kNozzleBeta, kNozzleLengths[static_cast<std::size_t>(fitting - 1)], beta);
        s.upstreamB = s.upstreamA / 2;
        // ISO 5167-3:2003 Table 3, footnotes: these B lengths are not half of A.
        if (fitting == 1 && beta < 0.35L) s.upstreamB = 6;
        if (fitting == 4 && beta < 0.65L) s.upstreamB = 5;
      } else if (fitting >= 8 && fitting <= 10) {
        const AB up = fitting == 8   ? kNozzleAbruptReduction
                      : fitting == 9 ? kNozzleThermowellSmall
                                     : kNozzleThermowellLarge;
        s.upstreamA = up.a;
        s.upstreamB = up.b;
      } else {
        return s;
      }
      s.downstreamA = nozzleDownstream(beta);
      s.downstreamB = s.downstreamA / 2;
      break;
    }
    case LengthTable::Venturi: {
      AB up;
      if (fitting >= 1 && fitting <= 7)
        up = lookupAB(kVenturiBeta, kVenturiLengths[static_cast<std::size_t>(fitting - 1)], beta);
      else if (fitting == 8)
        up = kVenturiThermowell;
      else
        return s;
      s.upstreamA = up.a;
      s.upstreamB = up.b;
      // Four throat diameters: 4d = 4*beta*D.
      s.downstreamA = 4 * beta;
      s.downstreamB = s.downstreamA / 2;
      break;
    }
    case LengthTable::None:
      return s;
  }
  s.known = true;
  return s;
}

StraightLengths requiredStraightLengths(const CalculationCase& c, Real beta) {
  const LengthTable t = straightLengthTable(c.deviceType, c.pipeDiameter20);
  return straightLengthsFor(t, t == LengthTable::None ? 0 : c.*fittingFieldOf(t), beta);
}

int CalculationCase::*fittingFieldOf(LengthTable list) {
  switch (list) {
    case LengthTable::SmallBore: return &CalculationCase::fittingAsme;
    case LengthTable::Nozzle: return &CalculationCase::fittingNozzle;
    case LengthTable::Venturi: return &CalculationCase::fittingVenturi;
    default: return &CalculationCase::fittingOrifice;
  }
}

namespace {

// The items of the fitting lists: as the input page lists them (English;
// the window translates them) and as the printed pages name them, English
// and Polish.
struct FittingName {
  const char* item;
  const char* english;
  const char* polish;
};

constexpr std::array<FittingName, 12> kFittingsOrifice{{
    {"Single 90° bend. Two 90° bends in any plane (S>30D)",
     "Single 90° bend. Two 90° bends in any plane (S>30D)",
     "Pojedyncze kolano 90°, dwa kolana 90° w odstępie >30D"},
    {"Two 90° bends in the same plane: S-configuration (30D>S>10D)",
     "Two 90° bends in the same plane:S-conf.(30D>S>10D)",
     "Dwa kolana 90° w jednej płaszcz. w odstępie 30D do 10D"},
    {"Two 90° bends in the same plane: S-configuration (10D>S)",
     "Two 90° bends in the same plane: S-conf.(10D>S)",
     "Dwa kolana 90° w jednej płaszczyźnie w odstępie <10D"},
    {"Two 90° bends in perpendicular planes (30D>S>5D)",
     "Two 90° bends in perpendicular planes (30D>S>5D)",
     "Dwa kolana 90° w różnych płaszcz. w odstępie 30D do 5D"},
    {"Two 90° bends in perpendicular planes (5D>S)",
     "Two 90° bends in perpendicular planes (5D>S)",
     "Dwa kolana 90° w różnych płaszczyznach w odstępie <5D"},
    {"Single 90° tee with or without an extension. Mitre 90° bend.",
     "Single 90° tee. Mitre 90° bend.", "Trójnik 90°, kolano segmentowe 90°"},
    {"Single 45° bend. Two 45° bends in the same plane S-config.(S>2D)",
     "Single 45° bend. Two bends 45° in the same plane S>2D",
     "Jedno lub dwa kolana 45° w tej samej płaszczyźnie"},
    {"Concentric reducer 2D to D over a length of 1.5D to 3D",
     "Concentric reducer 2D to D over a length of 1.5D to 3D",
     "Konfuzor 2D do D na długości 1.5D do 3D"},
    {"Concentric expander 0.5D to D over a length of D to 2D",
     "Concentric expander 0.5D to D over a length of D to 2D",
     "Dyfuzor z 0.5D do D na długości D do 2D"},
    {"Full bore ball valve or gate valve fully open",
     "Full bore ball or gate valve fully open", "Zawór kulowy lub zasuwa całkowicie otwarte"},
    {"Abrupt symmetrical reduction",
     "Abrupt symmetrical reduction", "Skokowe zwężenie symetryczne"},
    {"Thermometer pocket or well of diameter <0.03D",
     "Thermometer pocket or well of diameter < 0.03D",
     "Tuleja lub gniazdo termometru o średnicy <0.03D"},
}};

constexpr std::array<FittingName, 9> kFittingsSmallBore{{
    {"Single 90° bend or tee (flow from one branch only)",
     "Single 90° bend or tee (flow from one branch only)",
     "Pojedyncze kolano 90° lub trójnik (przepływ jedną gałęzią)"},
    {"Two or more 90° bends in the same plane",
     "Two or more 90° bends in the same plane",
     "Dwa lub więcej kolan 90° w tej samej płaszczyźnie"},
    {"Two or more 90° bends in different planes",
     "Two or more 90° bends in different planes",
     "Dwa lub więcej kolan 90° w różnych płaszczyznach"},
    {"Reducer 2D to D over a length of 1.5D to 3D",
     "Reducer 2D to D over a length of 1.5D to 3D", "Konfuzor z 2D do D na długości 1.5D do 3D"},
    {"Expander 0.5D to D over a length of 1D to 2D",
     "Expander 0.5D to D over a length of D to 2D", "Dyfuzor z 0.5D do D na długości D do 2D"},
    {"Globe valve fully open",
     "Globe valve fully open", "Zawór grzybkowy całkowicie otwarty"},
    {"Full bore ball or gate valve fully open",
     "Full bore ball or gate valve fully open",
     "Zawór kulowy lub zasuwa pełnootworowe całkowicie otwarte"},
    {"Abrupt symmetrical reduction",
     "Abrupt symmetrical reduction", "Nagła symetryczna redukcja"},
    {"Thermometer pocket or well",
     "Thermometer pocket or well", "Osłona lub gniazdo czujnika termometrycznego"},
}};

constexpr std::array<FittingName, 10> kFittingsNozzle{{
    {"Single 90° bend or tee (flow from one branch only)",
     "Single 90° bend or tee (flow from one branch only)",
     "Pojedyncze kolano 90° lub trójnik (przepływ jedną gałęzią)"},
    {"Two or more 90° bends in the same plane",
     "Two or more 90° bends in the same plane",
     "Dwa lub więcej kolan 90° w tej samej płaszczyźnie"},
    {"Two or more 90° bends in different planes",
     "Two or more 90° bends in different planes",
     "Dwa lub więcej kolan 90° w różnych płaszczyznach"},
    {"Reducer 2D to D over a length of 1.5D to 3D",
     "Reducer 2D to D over a length of 1.5D to 3D", "Konfuzor z 2D do D na długości 1.5D do 3D"},
    {"Expander 0.5D to D over a length of 1D to 2D",
     "Expander 0.5D to D over a length of D to 2D", "Dyfuzor 0.5D do D na długości D do 2D"},
    {"Globe valve fully open",
     "Globe valve fully open", "Zawór grzybkowy całkowicie otwarty"},
    {"Full bore ball or gate valve fully open",
     "Full bore ball or gate valve fully open",
     "Zawór kulowy lub zasuwa pełnootworowe całkowicie otwarte"},
    {"Abrupt symmetrical reduction",
     "Abrupt symmetrical reduction", "Nagła symetryczna redukcja"},
    {"Thermometer pocket or well of diameter<0.03D",
     "Thermometer pocket or well of diameter <=0.03D", "Osłona lub gniazdo termometru o d<=0.03D"},
    {"Thermometer pocket or well of diameter between 0.03D and 0.13D",
     "Thermometer pocket or well of 0.03D<d<0.13D",
     "Osłona lub gniazdo termometru o 0.03D<d<0.13D"},
}};

constexpr std::array<FittingName, 8> kFittingsVenturi{{
    {"Single 90° bend",
     "Single 90° bend", "Pojedyncze kolano 90°"},
    {"Two or more 90° bends in the same plane or different planes",
     "Two or more 90° bends in the same plane or differ.planes",
     "Dwa lub więcej kolan 90° w tej samej lub różnych płaszcz."},
    {"Reducer 1.33D to D over a length of 2.3D",
     "Reducer 1.33D to D over a length of 2.3D", "Konfuzor z 1.33D do D na długości 2.3D"},
    {"Expander 0.67D to D over a length of 2.5D",
     "Expander 0.67D to D over a length of 2.5D", "Dyfuzor 0.67D do D na długości 2.5D"},
    {"Reducer 3D to D over a length of 3.5D",
     "Reducer 3D to D over a length of 3.5D", "Konfuzor 3D do D na długości 3.5D"},
    {"Expander 0.75D to D over a length of D",
     "Expander 0.75D to D over a length of D", "Dyfuzor z 0.75D do D na długości D"},
    {"Full bore ball or gate valve fully open",
     "Full bore ball or gate valve fully open",
     "Zawór kulowy lub zasuwa pełnootworowe całkowicie otwarte"},
    {"Thermometer pocket or well of diameter < 0.13D",
     "Thermometer pocket or well of d<0.13D",
     "Osłona lub gniazdo czujnika termometrycznego o d<0.13D"},
}};

template <std::size_t N>
const char* pickFitting(const std::array<FittingName, N>& names, int code, bool english) {
  if (code < 1 || code > static_cast<int>(N)) return "";
  const FittingName& n = names[static_cast<std::size_t>(code - 1)];
  return english ? n.english : n.polish;
}

template <std::size_t N>
const char* pickListItem(const std::array<FittingName, N>& names, int code) {
  if (code < 1 || code > static_cast<int>(N)) return "";
  return names[static_cast<std::size_t>(code - 1)].item;
}

}  // namespace

int fittingCount(LengthTable list) {
  switch (list) {
    case LengthTable::Orifice: return static_cast<int>(kFittingsOrifice.size());
    case LengthTable::SmallBore: return static_cast<int>(kFittingsSmallBore.size());
    case LengthTable::Nozzle: return static_cast<int>(kFittingsNozzle.size());
    case LengthTable::Venturi: return static_cast<int>(kFittingsVenturi.size());
    case LengthTable::None: return 0;
  }
  return 0;
}

const char* fittingItemName(LengthTable list, int code, bool english) {
  switch (list) {
    case LengthTable::Orifice: return pickFitting(kFittingsOrifice, code, english);
    case LengthTable::SmallBore: return pickFitting(kFittingsSmallBore, code, english);
    case LengthTable::Nozzle: return pickFitting(kFittingsNozzle, code, english);
    case LengthTable::Venturi: return pickFitting(kFittingsVenturi, code, english);
    case LengthTable::None: return "";
  }
  return "";
}

const char* fittingListItem(LengthTable list, int code) {
  switch (list) {
    case LengthTable::Orifice: return pickListItem(kFittingsOrifice, code);
    case LengthTable::SmallBore: return pickListItem(kFittingsSmallBore, code);
    case LengthTable::Nozzle: return pickListItem(kFittingsNozzle, code);
    case LengthTable::Venturi: return pickListItem(kFittingsVenturi, code);
    case LengthTable::None: return "";
  }
  return "";
}

StraightLengthCheck checkStraightLengths(const StraightLengths& req, Real L1, Real L2, Real D20) {
  StraightLengthCheck r;
  // A length of 0 is "not stated"; negative and non-finite entries are
  // treated the same way rather than as a measured length.
  const bool upStated = finitePositive(L1);
  const bool downStated = finitePositive(L2);
  const bool upOk = !upStated || L1 * 1000 >= req.upstreamA * D20;
  const bool downOk = !downStated || L2 * 1000 >= req.downstreamA * D20;
  if (upOk && downOk) return r;
  r.addUncertainty = true;
  if (upOk && L2 * 1000 < req.downstreamB * D20) r.status = SolverStatus::DownstreamTooShort;
  if (downOk && L1 * 1000 < req.upstreamB * D20) r.status = SolverStatus::UpstreamTooShort;
  if (!upOk && !downOk) r.status = SolverStatus::BothLengthsTooShort;
  return r;
}

void computeLimitValues(CalculationCase& c) {
  if (finitePositive(c.reynolds)) {
    const Real flow = c.massFlowKgH * c.flowUnitFactor;
    c.lowerRangeFlowrate = c.reynoldsMin / c.reynolds * flow;
    c.reynoldsLimitFlowrate = c.reynoldsMax / c.reynolds * flow;
  } else {
    c.lowerRangeFlowrate = 0;
    c.reynoldsLimitFlowrate = 0;
  }
  c.edgeRadiusLimit = 0.0004L * c.deviceDiameter;
  c.roughnessLimit = isSmallBoreOrifice(c.deviceType, c.pipeDiameter20)
                         ? c.roughnessLimitFactor
                         : c.roughnessLimitFactor * 1e-4L * c.pipeDiameter20;
}

}  // namespace dorvel
