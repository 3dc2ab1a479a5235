// Names and warning texts printed on the pages, in English and Polish.
#pragma once

#include <string>

#include "calc/case.h"

namespace dorvel::output {

// Selector letters of the descriptive block: Y title, P fluid, T device,
// R pipe material, Z device material, E upstream fitting.  Returns the case's
// name for the letter in the report language ("" for an unknown code).
std::string selectorName(const CalculationCase& c, char selector, bool english);

std::string fluidName(const CalculationCase& c, bool english);
std::string deviceName(int deviceType, bool english);
std::string materialName(int material, bool english);

// Which upstream-fitting list applies to the device.
enum class FittingList { Orifice, SmallBore, Nozzle, Venturi };
FittingList fittingListFor(int deviceType, Real pipeDiameter20);
std::string fittingName(const CalculationCase& c, bool english);

// Pipe-diameter limits of a device type, mm (0 for an unknown type).
int minimumPipeDiameter(int deviceType);
int maximumPipeDiameter(int deviceType);

// Report flow-unit text by flowUnit: "kg/h", "kg/s", "t/h", "m3/h  ",
// "m3/h ref.cond." (English) / "Nm3/h " (Polish).
std::string reportFlowUnitText(int flowUnit, bool english);

// Range table and graphs: "kg/h", "kg/s", "t/h", "m3/h", and for reference
// volume "Sm3/h" (reference temperature not 0 degC) or "Nm3/h".
std::string rangeFlowUnitText(int flowUnit, Real refTemperature);

}  // namespace dorvel::output
