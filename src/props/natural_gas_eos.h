// Natural gas given by its composition, computed by a multi-parameter
// equation of state instead of SGERG-88: AGA8-92DC (ISO 12213-2) or
// GERG-2008 (ISO 20765-2).  The density at working and reference conditions
// (0 degC, 101.325 kPa), Z, K1 and the isentropic exponent kappa = w^2*rho/p
// come from the equation; the viscosity from the natural-gas correlation;
// water vapour of a humid gas enters as the water component.
//
// Each equation checks the ranges of its standard and asks, outside them,
// whether to go on (questions 1330 to 1333); composition slots the equation
// has no component for are refused by name (message 1334); a state without a
// gas root (liquid or condensing) is refused (message 1335).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/case.h"
#include "base/interaction.h"
#include "props/gas_eos.h"
#include "props/natural_gas.h"

namespace dorvel {

// Codes of the case field naturalGasEquation.
enum NaturalGasEquation : int {
  kEquationSgerg88 = 1,    // SGERG-88 (ISO 12213-3)
  kEquationAga8_92dc = 2,  // AGA8-92DC (ISO 12213-2)
  kEquationGerg2008 = 3,   // GERG-2008 (ISO 20765-2)
};

// "SGERG-88 (ISO 12213-3)", "AGA8-92DC (ISO 12213-2)", "GERG-2008 (ISO
// 20765-2)"; empty for another code.
std::string_view naturalGasEquationName(int equation);

// The equation the case computes natural gas with: naturalGasEquation for
// natural gas (kinds 8, 9) given by its composition, SGERG-88 otherwise (the
// physical-property input is SGERG-88's own); a code outside 1..3 counts as
// SGERG-88.
int naturalGasEquationInForce(const CalculationCase& c);

// The 21-component composition (mole fractions, normalised to sum 1) of the
// 30 natural-gas slots [mol %]; false when a slot without a component of the
// equations holds a share (C2H4, C3H6, C4H8, C4H6, C5H10, C6H6, C7H8, CH3OH,
// Ne, SO2), or a share is negative or not a number.
bool naturalGasToEquationComposition(const Composition& molePercent, GasComposition& x);

// The slots of molePercent holding a share the equations cannot take, as
// "C2H4 (ethylene), SO2 (sulphur dioxide)" or in Polish; empty when none.
std::string uncoveredComponents(const Composition& molePercent, bool polish);

// Where a gas and state lie against the ranges of an equation's standard.
struct RangeVerdict {
  int tier = 0;         // 0 inside the narrower range (ISO 12213-2 pipeline
                        // quality, GERG-2008 normal), 1 outside it but inside
                        // the wider one, 2 outside both
  std::string english;  // the first quantity outside, with its range
  std::string polish;
};

// ISO 12213-2: pipeline-quality and extended ranges of T, p, Hs, d and the
// composition (x as mole fractions, Hs [MJ/m3] and d of the dry gas).
RangeVerdict aga8Ranges(const GasComposition& x, Real tK, Real pKPa, Real hs, Real d);
// ISO 20765-2: normal (90..450 K, p <= 35 MPa) and extended (60..700 K,
// p <= 70 MPa) ranges; GERG-2008 sets no composition limits.
RangeVerdict gerg2008Ranges(Real tK, Real pKPa);

// The question of a verdict (messages 1330..1333); none for tier 0.
std::optional<Message> rangeQuestion(int equation, const RangeVerdict& v);

// Outcome of naturalGasByEquation.
enum class EquationStatus {
  Ok,
  Refused,   // message shown: components not covered, no gas root, no solution
  Declined,  // a range question answered No
};

struct EquationResult {
  EquationStatus status = EquationStatus::Refused;
  NaturalGasResult gas;       // densities, Hs, d, Z, Zn, K1, kappa, viscosity
  Real steamMoleFraction = 0; // water of a humid gas
};

// Natural gas of `molePercent` (naturalGasMolePercent) at t [degC] and
// pKPa by AGA8-92DC or GERG-2008.  relativeHumidity phi [%] adds water
// x_H2O = phi/100*ps(t)/p, the dry shares scaled by 1 - x_H2O; the
// reference density, Hs and d are those of the dry gas, K1 = Z/Zn.
EquationResult naturalGasByEquation(int equation, const Composition& molePercent,
                                    Real relativeHumidity, Real t, Real pKPa, Interaction& ui);

}  // namespace dorvel
