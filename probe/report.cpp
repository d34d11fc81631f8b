#include "report.h"

#include <algorithm>
#include <cstdio>
#include <iomanip>

namespace veltra::probe {
namespace {

std::string statusText(const Reading& reading) {
  return reading.hasRecord ? statusName(reading.status) : "NO_RECORD";
}

std::string valueText(const Reading& reading) {
  if (!reading.hasRecord || reading.status != VELTRA_STATUS_OK) return "-";
  return reading.formatted;
}

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string jsonNumber(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

}  // namespace

bool allRead(const std::vector<Reading>& readings) {
  return std::all_of(readings.begin(), readings.end(), [](const Reading& reading) {
    return reading.hasRecord && reading.status == VELTRA_STATUS_OK;
  });
}

void printTable(std::ostream& out, const std::vector<Reading>& readings) {
  std::size_t keyWidth = 3;
  std::size_t nameWidth = 12;
  std::size_t valueWidth = 5;
  for (const Reading& reading : readings) {
    keyWidth = std::max(keyWidth, reading.key.size());
    nameWidth = std::max(nameWidth, reading.displayName.size());
    valueWidth = std::max(valueWidth, valueText(reading).size());
  }
  const auto row = [&](const std::string& key, const std::string& name, const std::string& value,
                       const std::string& status, const std::string& pulse) {
    out << std::left << std::setw(static_cast<int>(keyWidth)) << key << "  "
        << std::setw(static_cast<int>(nameWidth)) << name << "  " << std::right
        << std::setw(static_cast<int>(valueWidth)) << value << "  " << std::left << std::setw(16)
        << status << "  " << pulse << '\n';
  };
  row("KEY", "DISPLAY NAME", "VALUE", "STATUS", "NEXT POLL");
  for (const Reading& reading : readings) {
    row(reading.key, reading.displayName, valueText(reading), statusText(reading),
        std::to_string(reading.pulseMs) + " ms");
  }
  const auto read = std::count_if(readings.begin(), readings.end(), [](const Reading& reading) {
    return reading.hasRecord && reading.status == VELTRA_STATUS_OK;
  });
  out << read << " of " << readings.size() << " nodes read\n";
}

void printJson(std::ostream& out, const std::string& modulePath,
               const std::vector<Reading>& readings) {
  out << "{\"module\":" << jsonString(modulePath) << ",\"nodes\":[";
  for (std::size_t i = 0; i < readings.size(); ++i) {
    const Reading& reading = readings[i];
    out << (i == 0 ? "" : ",") << "{\"key\":" << jsonString(reading.key)
        << ",\"name\":" << jsonString(reading.displayName) << ",\"handle\":" << reading.handle
        << ",\"status\":" << jsonString(statusText(reading)) << ",\"value\":"
        << (reading.hasRecord && reading.status == VELTRA_STATUS_OK ? jsonNumber(reading.value)
                                                                    : "null")
        << ",\"next_poll_ms\":" << reading.pulseMs << "}";
  }
  out << "],\"all_read\":" << (allRead(readings) ? "true" : "false") << "}\n";
}

}  // namespace veltra::probe
