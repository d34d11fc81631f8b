// The twelve nodes the module publishes, in slot order.
#pragma once

#include <cstddef>

namespace veltra::catalogue {

struct CatalogueRow {
  const char* key;       // how the host addresses the node
  const char16_t* code;  // the WMI property that holds its value
  unsigned stringId;     // its display name in the module's string table
};

constexpr std::size_t kNodeCount = 12;

// The string ids do not follow slot order: slot 5 uses 19 and slot 7 uses 18.
constexpr CatalogueRow kCatalogue[kNodeCount] = {
    {"InputVoltage", u"UPSInputVolt", 1},       {"MinInputVoltage", u"UPSMinInputVolt", 2},
    {"MaxInputVoltage", u"UPSMaxInputVolt", 3}, {"OutputVoltage", u"UPSOutputVolt", 4},
    {"OutputLoad", u"UPSOutputLoad", 5},        {"OutputFreq", u"UPSOutputFreq", 19},
    {"BatteryTemp", u"UPSBatteryTemp", 6},      {"BatteryVolt", u"UPSBatteryVolt", 18},
    {"HumidityProbe1", u"MUPSProbe1Hum", 7},    {"HumidityProbe2", u"MUPSProbe2Hum", 8},
    {"TempProbe1", u"MUPSProbe1Temp", 9},       {"TempProbe2", u"MUPSProbe2Temp", 10},
};

}  // namespace veltra::catalogue
