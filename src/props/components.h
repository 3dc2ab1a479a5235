// Built-in data of the gas-mixture property method: the 22 components of the
// mixture order (critical constants, acentric factors, low-pressure
// viscosity, Sutherland constants, ideal-gas heat capacities), the binary
// interaction coefficients of the Redlich-Kwong mixing rule, and the
// summation factors of the 30-component natural-gas order used to turn a
// volume composition into a mole composition.
//
// Slot numbers of the tables below are 1-based in the engineering sense
// (slot 1 = H2O); the index constants kSlot... / kNgSlot... are the 0-based
// array indices (slot number - 1) used with Composition arrays.
#pragma once

#include <array>
#include <cstdint>

#include "base/case.h"

namespace dorvel {

inline constexpr int kMixtureComponents = 22;
inline constexpr int kNaturalGasComponents = 30;

// ---- mixture order (mixtureComposition, mixtureMolePercent) ----------------
inline constexpr int kSlotH2O = 0;
inline constexpr int kSlotN2 = 1;
inline constexpr int kSlotO2 = 2;
inline constexpr int kSlotH2 = 3;
inline constexpr int kSlotAr = 4;
inline constexpr int kSlotHe = 5;
inline constexpr int kSlotNO = 6;
inline constexpr int kSlotH2S = 7;
inline constexpr int kSlotSO2 = 8;
inline constexpr int kSlotCO = 9;
inline constexpr int kSlotCO2 = 10;
inline constexpr int kSlotCH4 = 11;
inline constexpr int kSlotC2H6 = 12;
inline constexpr int kSlotC3H8 = 13;
inline constexpr int kSlotC4H10 = 14;
inline constexpr int kSlotC5H12 = 15;
inline constexpr int kSlotC2H4 = 16;
inline constexpr int kSlotC2H2 = 17;
inline constexpr int kSlotC6H6 = 18;
inline constexpr int kSlotCl2 = 19;
inline constexpr int kSlotC2H3Cl = 20;
inline constexpr int kSlotNH3 = 21;

// ---- natural-gas order (naturalGasComposition, naturalGasMolePercent) ------
inline constexpr int kNgSlotCH4 = 0;
inline constexpr int kNgSlotC2H6 = 1;
inline constexpr int kNgSlotC3H8 = 2;
inline constexpr int kNgSlotNC4H10 = 3;
inline constexpr int kNgSlotIC4H10 = 4;
inline constexpr int kNgSlotNC5H12 = 5;
inline constexpr int kNgSlotIC5H12 = 6;
inline constexpr int kNgSlotC6H14 = 7;
inline constexpr int kNgSlotC7H16 = 8;
inline constexpr int kNgSlotC8H18 = 9;  // C8H18 and heavier
inline constexpr int kNgSlotC9H20 = 10;
inline constexpr int kNgSlotC10H22 = 11;
inline constexpr int kNgSlotC2H4 = 12;
inline constexpr int kNgSlotC3H6 = 13;
inline constexpr int kNgSlotC4H8 = 14;
inline constexpr int kNgSlotC4H6 = 15;
inline constexpr int kNgSlotC5H10 = 16;
inline constexpr int kNgSlotC6H6 = 17;
inline constexpr int kNgSlotC7H8 = 18;
inline constexpr int kNgSlotCH3OH = 19;
inline constexpr int kNgSlotH2 = 20;
inline constexpr int kNgSlotH2S = 21;
inline constexpr int kNgSlotCO = 22;
inline constexpr int kNgSlotHe = 23;
inline constexpr int kNgSlotNe = 24;
inline constexpr int kNgSlotAr = 25;
inline constexpr int kNgSlotN2 = 26;
inline constexpr int kNgSlotO2 = 27;
inline constexpr int kNgSlotCO2 = 28;
inline constexpr int kNgSlotSO2 = 29;

//! Constants of one component of the mixture order.
struct ComponentData {
  const char* formula;
  Real molarMass;            //!< M [kg/kmol]
  Real criticalTemperature;  //!< Tc [K]
  Real viscosity0;           //!< eta0 at 0 degC and low pressure [mPa*s]
  Real isentropicExponent0;  //!< kappa0 of the ideal gas [-]
  Real summationFactor;      //!< sqrt(b) of the summation method [-]
  Real criticalPressure;     //!< pc [Pa]
  Real acentricFactor;       //!< omega [-]
  Real sutherlandConstant;   //!< C of the Sutherland law [K]
};

//! Component table, indexed by kSlot... (22 entries).
extern const std::array<ComponentData, kMixtureComponents> componentData;

//! Component by 0-based index; nullptr for an index outside 0..21.
const ComponentData* findComponent(int index);

//! Ideal-gas heat capacity cp = A + B*T + C*T^2 + D*T^3 + E/T^2
//! [kcal/(kmol*K)], T in K.
struct HeatCapacityCoefficients {
  Real a, b, c, d, e;
};
extern const std::array<HeatCapacityCoefficients, kMixtureComponents> heatCapacityData;

//! cp of component `index` at T [K] in kcal/(kmol*K); 0 for an index
//! outside the table or T <= 0.
Real idealHeatCapacity(int index, Real temperatureK);

//! One binary interaction coefficient: 1-based slots i and j and 100*k_ij.
struct BinaryInteraction {
  std::uint8_t slotI;
  std::uint8_t slotJ;
  std::uint8_t k100;
};
inline constexpr int kBinaryInteractionCount = 51;
//! The stored triples, in the order in which the lookup scans them.
extern const std::array<BinaryInteraction, kBinaryInteractionCount> binaryInteractions;

//! k_ij of the pair of 0-based indices (i, j), in either order: the first
//! stored triple that matches; 0 for a pair not listed (and for i == j or an
//! index outside the component list).
Real binaryInteractionCoefficient(int i, int j);

//! Summation factors sqrt(b) of the 30 natural-gas slots (kNgSlot... order).
extern const std::array<Real, kNaturalGasComponents> naturalGasSummationFactor;

//! Summation factor of the CnHm (heavier hydrocarbons) of coke-oven gas.
inline constexpr Real kCnHmSummationFactor = 0.119L;

//! Molar gas constant of the mixture method [J/(kmol*K)].
inline constexpr Real kGasConstant = 8314.51L;
//! Joules per kilocalorie (international table calorie).
inline constexpr Real kJoulePerKcal = 4186.8L;

}  // namespace dorvel
