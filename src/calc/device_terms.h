// Coefficient equations split by what their terms depend on:
//   geometry terms - the device, pipe, tappings, roughness, fittings and the
//                    installed lengths: fixed for a whole solve;
//   beta terms     - fixed within a flowrate or differential-pressure solve;
//   Reynolds terms - fixed within a diameter-ratio solve (Re_D is given).
// Each solver prepares what stays fixed once, so a pass pays only for what
// changes.  `deviceCoefficients` and `expansibilityFactor` are exactly
// prepare + evaluate, so every path gives the same numbers.
//
// Internal to the device calculations (coefficients.cpp, solvers.cpp) and
// their benchmarks; the driver uses coefficients.h.
#pragma once

#include "base/case.h"
#include "calc/limits.h"
#include "calc/solver_status.h"

namespace dorvel::detail {

enum class CEquation {
  ReaderHarrisGallagher,  // orifice plates, ISO 5167-2:2003 eq. (4)
  AsmeCorner,             // small-bore, corner tappings, ASME MFC-14M-2003
  AsmeFlange,             // small-bore, flange tappings
  Isa1932,                // ISO 5167-3:2003 eq. (5)
  LongRadius,             // ISO 5167-3:2003 eq. (6)
  VenturiMachined,        // 0.995, or 1.000 above Re 1e6
  Constant,               // C independent of Re (eccentric, quarter-circle,
                          // Venturi nozzle, as-cast and rough-welded Venturi, conical)
};

struct GeometryTerms {
  bool valid = false;
  int device = 0;
  CEquation equation = CEquation::Constant;
  Real D = 0;    // pipe diameter at t [mm]
  Real D20 = 0;  // at 20 degC [mm]
  Real reFactor = 1;  // Re_c = reFactor * Re_D (nominal flow in the diameter task)
  bool smallBore = false;
  // Reader-Harris/Gallagher
  Real tapUpstreamK = 0;  // 0.043 + 0.080 e^-10L1 - 0.123 e^-7L1
  bool hasM2 = false;     // L2 > 0
  Real twoL2 = 0;         // 2 L2, M2 = 2 L2/(1 - beta)
  Real lnTwoL2 = 0;       // ln(2 L2)
  bool smallPipe = false; // D < 71.12 mm
  Real smallPipeK = 0;    // 2.8 - D/25.4
  Real extraU = 0;        // corner tappings, 25 <= D20 < 50: + 0.5 %
  // ASME
  Real Di = 0;            // D in inches
  // eccentric orifice
  bool roughnessFactor = false;  // k/D >= 0.0003
  Real lgr = 0;                  // lg(k/D), k/D limited to 0.0025
  // straight lengths
  LengthTable table = LengthTable::None;
  int fitting = 0;
  Real upstreamActual = 0, downstreamActual = 0;  // m
};

struct BetaTerms {
  bool valid = false;
  Real beta = 0;
  // C = c0 + Reynolds-dependent terms
  Real c0 = 0;
  Real beta07 = 0, beta08 = 0, beta35 = 0;  // RHG: beta^0.7, beta^0.8, beta^3.5
  Real tapUpstream = 0;  // RHG: (0.043 + 0.080 e^-10L1 - 0.123 e^-7L1) beta^4/(1 - beta^4)
  Real kRe = 0;          // nozzles, ASME: coefficient of the Reynolds term
  // The roots the fractional powers are formed from, kept so that the next
  // pass of the diameter solver can carry them over: RHG beta^0.1 and M2^0.1,
  // ISA 1932 beta^0.05 (0: none).
  Real betaRoot = 0;
  Real m2Root = 0;
  // uncertainty of C [%]: u0, + 0.5 below Re_c 10000 when lowReAdd, + the
  // straight-length increment
  Real u0 = 0;
  bool lowReAdd = false;
  // limits and straight lengths (only with `withLimits`)
  bool withLimits = false;
  ReynoldsLimits reynoldsLimits;
  bool roughnessFromTable = false;  // orifice plates: pi * Ra table at (beta, Re_c)
  Real roughnessFactor = 0;         // otherwise constant
  StraightLengths lengths;
  StraightLengthCheck lengthCheck;
};

struct ReynoldsTerms {
  bool valid = false;
  Real re = 0;       // Re_c
  Real r07 = 0;      // RHG (1e6/Re)^0.7
  Real r08 = 0;      // RHG (19000/Re)^0.8
  Real r03 = 0;      // RHG (1e6/Re)^0.3
  Real rNozzle = 0;  // ISA (1e6/Re)^1.15, long radius (1e6/Re)^0.5, ASME 1/sqrt(Re)
};

void prepareGeometry(const DeviceSetup& device, const TaskContext& task, GeometryTerms& g);
// With `near` (the terms of a previous beta on the same geometry; it may be
// `t` itself) a beta within 1 % of near's takes its fractional powers from
// near's roots by the binomial series instead of new exponentials.
void prepareBeta(const GeometryTerms& g, Real beta, bool withLimits, BetaTerms& t,
                 const BetaTerms* near = nullptr);
// The limits and straight lengths for the beta of `t` (prepareBeta without
// limits followed by addLimits equals prepareBeta with limits).
void addLimits(const GeometryTerms& g, BetaTerms& t);
// `reynolds` is Re_D; the terms belong to Re_c.
void prepareReynolds(const GeometryTerms& g, Real reynolds, ReynoldsTerms& r);

// C alone; false when there is none (invalid terms, non-finite value).
bool dischargeCoefficientOf(const GeometryTerms& g, const BetaTerms& t, const ReynoldsTerms& r,
                            Real& C);

// The result of `deviceCoefficients`.  `t` must have been prepared with limits.
Coefficients evaluateCoefficients(const GeometryTerms& g, const BetaTerms& t,
                                  const ReynoldsTerms& r);

// ---- expansibility ----

enum class EpsFamily { Orifice, Nozzle, Conical };

struct ExpansibilityTerms {
  bool valid = false;   // the model (family, kappa, x factor)
  bool betaSet = false; // and a beta
  EpsFamily family = EpsFamily::Orifice;
  Real kappa = 0;
  Real xFactor = 1;   // (nominalPercent/100)^2 in the diameter task, else 1
  Real orificeK = 0;  // 0.351 + 0.256 beta^4 + 0.93 beta^8
  Real beta4 = 0;
};

struct PressureTerms {
  bool valid = false;
  Real x = 0;      // dp/p1 (times the x factor)
  Real tau = 1;    // 1 - x
  Real tau1k = 1;  // tau^(1/kappa)
  Real tau2k = 1;  // tau^(2/kappa)
  Real taukk = 1;  // tau^((kappa - 1)/kappa)
};

void prepareExpansibility(int deviceType, const TaskContext& task, Real kappa,
                          ExpansibilityTerms& e);
bool setExpansibilityBeta(ExpansibilityTerms& e, Real beta);
// dp [kG/m2], p1 [kG/cm2]
bool preparePressure(const ExpansibilityTerms& e, Real dpKgm2, Real p1At, PressureTerms& p);
bool expansibilityOf(const ExpansibilityTerms& e, const PressureTerms& p, Real& eps);
// preparePressure + expansibilityOf
bool evaluateExpansibility(const ExpansibilityTerms& e, Real dpKgm2, Real p1At, Real& eps);

}  // namespace dorvel::detail
