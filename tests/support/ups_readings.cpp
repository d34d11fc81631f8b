#include "ups_readings.h"

#include <sstream>

#include "repository_file.h"

namespace veltra::testing {

const std::array<CatalogueNode, 12> kNodes = {{
    {"InputVoltage", "Input Line Voltage", "UPSInputVolt", 230.5},
    {"MinInputVoltage", "Min Line Voltage", "UPSMinInputVolt", 228.0},
    {"MaxInputVoltage", "Max Line Voltage", "UPSMaxInputVolt", 232.5},
    {"OutputVoltage", "UPS Output Voltage", "UPSOutputVolt", 229.75},
    {"OutputLoad", "UPS Load", "UPSOutputLoad", 41.5},
    {"OutputFreq", "Output Frequency", "UPSOutputFreq", 50.0},
    {"BatteryTemp", "Internal UPS Temp", "UPSBatteryTemp", 31.25},
    {"BatteryVolt", "Battery Voltage", "UPSBatteryVolt", 27.5},
    {"HumidityProbe1", "Humidity Probe 1", "MUPSProbe1Hum", 44.0},
    {"HumidityProbe2", "Humidity Probe 2", "MUPSProbe2Hum", 47.5},
    {"TempProbe1", "Temp Probe 1", "MUPSProbe1Temp", 22.25},
    {"TempProbe2", "Temp Probe 2", "MUPSProbe2Temp", 23.0},
}};

std::string upsReadingsRepository() {
  std::ostringstream properties;
  for (const CatalogueNode& node : kNodes)
    properties << node.property << " = " << node.reading << ";\n";
  return upsRepository(properties.str());
}

}  // namespace veltra::testing
