// Names and warning texts printed on the pages, in English and Polish.
#pragma once

#include <string>

#include "base/case.h"

namespace dorvel::output {

// Selector letters of the descriptive block: Y title, P fluid, T device,
// R pipe material, Z device material, E upstream fitting.  Returns the case's
// name for the letter in the report language ("" for an unknown code).
std::string selectorName(const CalculationCase& c, char selector, bool english);

std::string fluidName(const CalculationCase& c, bool english);
std::string deviceName(int deviceType, bool english);
std::string materialName(int material, bool english);

// The printed name of the upstream fitting of the list in force
// (`straightLengthTable`, calc/limits.h).
std::string fittingName(const CalculationCase& c, bool english);

// First line of the header block: the standard the measuring point is
// designed to, "ISO 5167:2022", "ISO/TR 15377:2018" or "ASME MFC-14M-2003"
// (the rule of the results page's standard label), and its letter height as
// a divisor of the page height: 40, or 46 for the two longer names.
struct HeaderStandardLine {
  std::string text;
  int heightDivisor = 40;
};
HeaderStandardLine headerStandardLine(const CalculationCase& c);

// Sign-off fields of the header block, filled in by hand on the printout:
// tag, revision and date above; prepared, checked and approved below.
struct SignOffLabels {
  const char* tag;
  const char* revision;
  const char* date;
  const char* prepared;
  const char* checked;
  const char* approved;
};
SignOffLabels signOffLabels(bool english);

// Pipe-diameter limits of a device type, mm (0 for an unknown type).
int minimumPipeDiameter(int deviceType);
int maximumPipeDiameter(int deviceType);

// Report flow-unit text by flowUnit: "kg/h", "kg/s", "t/h", "m3/h  ", and
// for reference volume the one name of referenceVolumeFlowUnit ("Nm3/h ",
// "Sm3/h "), in both languages.
std::string reportFlowUnitText(int flowUnit, Real refTemperature, Real refPressure);

// Range table and graphs: "kg/h", "kg/s", "t/h", "m3/h", and for reference
// volume the same name without the trailing blank ("Nm3/h", "Sm3/h").
std::string rangeFlowUnitText(int flowUnit, Real refTemperature, Real refPressure);

}  // namespace dorvel::output
