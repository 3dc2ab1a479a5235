// Coefficient equations split into the part that depends on beta only and
// the part that depends on the Reynolds number (or, for expansibility, on
// dp/p1).  Within one flowrate or differential-pressure solve beta does not
// change, so the solvers prepare the beta terms once and each pass pays only
// for its Reynolds-dependent powers.  `deviceCoefficients` and
// `expansibilityFactor` are exactly prepare + evaluate, so both paths give
// identical numbers.
//
// Internal to the device calculations (coefficients.cpp, solvers.cpp) and
// their benchmarks; the driver uses coefficients.h.
#pragma once

#include "calc/case.h"
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

struct DeviceTerms {
  bool valid = false;
  CEquation equation = CEquation::Constant;
  Real beta = 0;
  Real reFactor = 1;  // Re_c = reFactor * Re_D (nominal flow in the diameter task)

  // C = c0 + Reynolds-dependent terms
  Real c0 = 0;
  Real lnBeta1e6 = 0;    // RHG: ln(1e6*beta)
  Real lnBeta19000 = 0;  // RHG: ln(19000*beta)
  Real beta35 = 0;       // RHG: beta^3.5
  Real tapUpstream = 0;  // RHG: (0.043 + 0.080 e^-10L1 - 0.123 e^-7L1) beta^4/(1 - beta^4)
  Real kRe = 0;          // nozzles, ASME: coefficient of the Reynolds term

  // uncertainty of C [%]: u0, + 0.5 below Re_c 10000 when lowReAdd, + the
  // straight-length increment
  Real u0 = 0;
  bool lowReAdd = false;

  ReynoldsLimits reynoldsLimits;
  bool roughnessFromTable = false;  // orifice plates: pi * Ra table at (beta, Re_c)
  Real roughnessFactor = 0;         // otherwise constant

  StraightLengths lengths;
  StraightLengthCheck lengthCheck;
};

// The beta-only part.  Reads the same case fields as `deviceCoefficients`.
void prepareDeviceTerms(const CalculationCase& c, Real beta, DeviceTerms& t);

// The Reynolds-dependent part: writes the case fields of `deviceCoefficients`
// and returns its status.
SolverStatus evaluateDeviceTerms(CalculationCase& c, const DeviceTerms& t, Real reynolds);

enum class EpsFamily { Orifice, Nozzle, Conical };

struct ExpansibilityTerms {
  bool valid = false;
  EpsFamily family = EpsFamily::Orifice;
  Real kappa = 0;
  Real xFactor = 1;      // (nominalPercent/100)^2 in the diameter task, else 1
  Real orificeK = 0;     // 0.351 + 0.256 beta^4 + 0.93 beta^8
  Real beta4 = 0;
};

void prepareExpansibility(const CalculationCase& c, Real kappa, Real beta, ExpansibilityTerms& e);

// epsilon at dp [kG/m2] and p1 [kG/cm2]; false (eps untouched) outside the
// domain of the equation.
bool evaluateExpansibility(const ExpansibilityTerms& e, Real dpKgm2, Real p1At, Real& eps);

}  // namespace dorvel::detail
