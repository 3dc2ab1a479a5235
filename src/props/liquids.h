// Reference data of common liquids at 20 degC and 101.325 kPa, offered to
// the user who chooses "other liquid" and types its density and viscosity,
// with the rule for carrying a density to the working temperature.
#pragma once

#include <array>
#include <string_view>

#include "base/case.h"

namespace dorvel {

struct LiquidReference {
  // Texts as shown in the table ("--" or "-" where the value is not given).
  std::string_view polishName;
  std::string_view englishName;
  std::string_view formula;
  std::string_view densityText;    // kg/m3
  std::string_view viscosityText;  // Pa*s
  std::string_view expansionText;  // Bt, 1/degC
  // The same values as numbers; a range has its two ends, a single value is
  // given twice; expansion 0 where none is given.
  Real densityLow, densityHigh;      // kg/m3
  Real viscosityLow, viscosityHigh;  // Pa*s
  Real expansion;                    // 1/degC
};

// The liquids table, in the order shown.
inline constexpr std::array<LiquidReference, 11> kLiquidsTable = {{
    {"Benzen (benzol)", "Benzene (benzol)", "C6H6", "879", "0.00065", "0.00106",
     879.0L, 879.0L, 0.00065L, 0.00065L, 0.00106L},
    {"Benzyna (lekka)", "Petrol (light)", "--", "680-725", "0.00053", "0.00240",
     680.0L, 725.0L, 0.00053L, 0.00053L, 0.00240L},
    {"Alkohol etylowy", "Ethyl alcohol", "C2H6O", "789.5", "0.0012", "0.00110",
     789.5L, 789.5L, 0.0012L, 0.0012L, 0.00110L},
    {"Eter etylowy", "Ethyl ether", "C4H10O", "714", "0.000243", "0.00162",
     714.0L, 714.0L, 0.000243L, 0.000243L, 0.00162L},
    {"Gliceryna", "Glycerine", "C3H8O3", "1260", "1.41", "0.0005",
     1260.0L, 1260.0L, 1.41L, 1.41L, 0.0005L},
    {"Alkohol metylowy", "Methyl alcohol", "CH4O", "792", "0.000584", "0.00119",
     792.0L, 792.0L, 0.000584L, 0.000584L, 0.00119L},
    {"Olej napędowy", "Gas oil", "--", "893", "0.003", "-",
     893.0L, 893.0L, 0.003L, 0.003L, 0.0L},
    {"Olej transformatorowy", "Transformer oil", "--", "866", "0.02 - 0.03", "0.00069",
     866.0L, 866.0L, 0.02L, 0.03L, 0.00069L},
    {"Rtęć", "Mercury", "Hg", "13546", "0.001554", "0.000181",
     13546.0L, 13546.0L, 0.001554L, 0.001554L, 0.000181L},
    {"Toulen", "Thoulen", "C7H8", "866", "0.000586", "0.00108",
     866.0L, 866.0L, 0.000586L, 0.000586L, 0.00108L},
    {"Czterochlorek węgla", "Carbon tetrachloride", "CCl4", "1594", "0.00969", "0.00122",
     1594.0L, 1594.0L, 0.00969L, 0.00969L, 0.00122L},
}};

// Density at the working temperature t (degC) from the density at 20 degC
// and the volume expansion factor Bt: the volume grows as 1 + Bt (t - 20),
//   rho_t = rho_20 / (1 + Bt (t - 20)).
// 0 when an input is not a finite number or the denominator is not positive.
Real liquidDensityAtTemperature(Real density20, Real expansionBt, Real t);

}  // namespace dorvel
