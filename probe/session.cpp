#include "session.h"

#include <cctype>
#include <cstdio>

namespace veltra::probe {
namespace {

constexpr char kRootId[] = "VELTRA";
constexpr char kFallbackFormat[] = "%.2f";

// The number format a node's attributes record carries, or the fallback.
std::string numberFormatOf(const host::Record& attributes) {
  if (!attributes) return kFallbackFormat;
  std::size_t length = 0;
  const unsigned char* format = veltra_attributes_format(attributes.get(), &length);
  return format != nullptr ? host::hostText(format, length) : kFallbackFormat;
}

}  // namespace

std::unique_ptr<Session> Session::open(const std::string& modulePath, std::string& error) {
  std::unique_ptr<host::VeltraModule> module = host::VeltraModule::load(modulePath, error);
  if (!module) return nullptr;

  std::unique_ptr<Session> session(new Session(std::move(module)));
  const host::VeltraModule& m = *session->module_;
  if (m.InitNodes() != 1) {
    error = "InitNodes failed in " + modulePath +
            ": COM could not be set up in this process, or the module has no lock";
    return nullptr;
  }
  session->initialised_ = true;

  const host::Record list = m.GetNodeList(host::queryPath(kRootId).data());
  if (!list) {
    error = "GetNodeList returned no node list for the root " + std::string(kRootId);
    return nullptr;
  }
  for (const host::ListedNode& listed : host::listedNodes(list.get())) {
    veltra_handle handle = -1;
    std::uint8_t type = VELTRA_TYPE_NONE;
    m.NodeConnect(host::queryPath(kRootId, listed.key).data(), &handle, &type);
    session->nodes_.push_back(
        {listed.key, listed.displayName, handle, numberFormatOf(m.GetNodeAttributes(handle))});
  }
  return session;
}

Session::~Session() {
  if (!initialised_) return;
  for (const Node& node : nodes_) {
    if (node.handle != -1) module_->NodeDisconnect(node.handle);
  }
  module_->TermNodes();
}

std::vector<Reading> Session::poll(std::int32_t sinceLastMs) {
  std::vector<Reading> readings;
  for (const Node& node : nodes_) {
    Reading reading;
    reading.key = node.key;
    reading.displayName = node.displayName;
    reading.handle = node.handle;
    if (const host::Record value = module_->NodeGetValue(node.handle)) {
      reading.hasRecord = true;
      reading.status = veltra_value_status(value.get());
      reading.value = veltra_value_double(value.get());
      if (reading.status == VELTRA_STATUS_OK) {
        reading.formatted = formatNumber(node.numberFormat, reading.value);
      }
    }
    reading.pulseMs = module_->NodePulse(node.handle, sinceLastMs);
    readings.push_back(std::move(reading));
  }
  return readings;
}

std::string formatNumber(const std::string& format, double value) {
  // Accept: literal text, one %[-][width][.precision]{f,e,g}, literal text.
  const std::size_t percent = format.find('%');
  std::size_t i = percent;
  bool left = false;
  int width = 0;
  int precision = -1;
  char conversion = 0;
  if (percent != std::string::npos) {
    ++i;
    if (i < format.size() && format[i] == '-') {
      left = true;
      ++i;
    }
    for (int digits = 0; i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]));
         ++i, ++digits) {
      width = digits < 2 ? width * 10 + (format[i] - '0') : 99;
    }
    if (i < format.size() && format[i] == '.') {
      precision = 0;
      for (++i; i < format.size() && std::isdigit(static_cast<unsigned char>(format[i])); ++i) {
        precision = precision < 10 ? precision * 10 + (format[i] - '0') : 17;
      }
      if (precision > 17) precision = 17;
    }
    if (i < format.size() && std::string("fFeEgG").find(format[i]) != std::string::npos) {
      conversion = format[i++];
    }
  }
  if (conversion == 0 || format.find('%', i) != std::string::npos) {
    return formatNumber(kFallbackFormat, value);
  }

  if (precision < 0) precision = 6;
  const int fieldWidth = left ? -width : width;
  char number[400];
  switch (conversion) {
    case 'e':
      std::snprintf(number, sizeof number, "%*.*e", fieldWidth, precision, value);
      break;
    case 'E':
      std::snprintf(number, sizeof number, "%*.*E", fieldWidth, precision, value);
      break;
    case 'g':
      std::snprintf(number, sizeof number, "%*.*g", fieldWidth, precision, value);
      break;
    case 'G':
      std::snprintf(number, sizeof number, "%*.*G", fieldWidth, precision, value);
      break;
    case 'F':
    case 'f':
    default:
      std::snprintf(number, sizeof number, "%*.*f", fieldWidth, precision, value);
      break;
  }
  return format.substr(0, percent) + number + format.substr(i);
}

const char* statusName(std::int32_t status) {
  switch (status) {
    case VELTRA_STATUS_OK:
      return "OK";
    case VELTRA_INVALID_HANDLE:
      return "INVALID_HANDLE";
    case VELTRA_NODE_UNAVAILABLE:
      return "NODE_UNAVAILABLE";
    default:
      return "UNKNOWN_STATUS";
  }
}

}  // namespace veltra::probe
