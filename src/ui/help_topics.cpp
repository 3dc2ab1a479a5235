#include "ui/help_topics.h"

namespace dorvel::ui {

const std::vector<HelpTopic>& helpTopics() {
  static const std::vector<HelpTopic> topics = {
      {1, "index.html", ""},  // the main window's Contents command
      {5, "index.html", ""},
      {20, "task.html", ""},
      {30, "basic_input.html", "description"},
      {35, "basic_input.html", "fluid-name"},
      {60, "basic_input.html", "lists"},
      {70, "basic_input.html", "temperature"},
      {80, "basic_input.html", "pressure"},
      {90, "basic_input.html", "pipe-diameter"},
      {100, "basic_input.html", "drain-hole"},
      {150, "basic_input.html", "device-diameter"},
      {160, "basic_input.html", "upper-range-flowrate"},
      {170, "basic_input.html", "nominal-flowrate"},
      {175, "basic_input.html", "upper-range-dp"},
      {180, "basic_input.html", "differential-pressure"},
      {190, "basic_input.html", "flowrate"},
      {191, "basic_input.html", "roughness"},
      {410, "basic_input.html", ""},
      {102, "uncertainty_sources.html", "transmitter-error"},
      {104, "uncertainty_sources.html", "transmitter-reference"},
      {106, "uncertainty_sources.html", "density-overall"},
      {108, "uncertainty_sources.html", "density-pressure"},
      {110, "uncertainty_sources.html", "density-temperature"},
      {112, "uncertainty_sources.html", "density-k1"},
      {114, "uncertainty_sources.html", "density-reference"},
      {116, "uncertainty_sources.html", "extra-c"},
      {118, "uncertainty_sources.html", "straight-lengths"},
      {120, "uncertainty_sources.html", "straight-lengths"},
      {420, "uncertainty_sources.html", ""},
      {192, "fluid_properties.html", "other-gas-questions"},
      {200, "fluid_properties.html", "other-gas"},
      {220, "fluid_properties.html", "natural-gas"},
      {230, "fluid_properties.html", "coke-gas"},
      {240, "fluid_properties.html", "air"},
      {450, "fluid_properties.html", "air"},
      {460, "fluid_properties.html", "coke-gas"},
      {470, "fluid_properties.html", "other-gas"},
      {480, "fluid_properties.html", "natural-gas"},
      {210, "humidity.html", ""},
      {270, "graphs.html", ""},
      {280, "table.html", ""},
  };
  return topics;
}

const HelpTopic* findHelpTopic(int number) {
  for (const HelpTopic& t : helpTopics())
    if (t.number == number) return &t;
  return nullptr;
}

}  // namespace dorvel::ui
