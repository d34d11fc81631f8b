// veltra-poll-timing: what one reading and one whole poll cost a host, end to end, with whatever
// WMI the machine has. Built for Windows too, where Google Benchmark is not at hand: under Wine
// it times the module's real COM and WMI code against Wine's own WMI service.
//
// It loads the module by file name, lists the root and connects every node, then times
//   - one NodeGetValue + NodeFreeValue of a connected node, each a whole WMI connection;
//   - whole polls: NodeGetValue + NodeFreeValue and NodePulse for every node, as a host polls;
//   - for scale, NodePulse, which takes the data lock and reads nothing, the same kind of mutex
//     taken and released with nothing else, and NodeGetValue + NodeFreeValue of a disconnected
//     node, which reads no WMI at all.
//
//   veltra-poll-timing [--module PATH] [--reads N] [--polls N]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/mutex.h"
#include "veltra_module.h"

namespace {

using veltra::host::VeltraModule;
using Clock = std::chrono::steady_clock;

struct Options {
  std::string module = VeltraModule::defaultPath();
  int reads = 200;
  int polls = 20;
};

bool parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--module") == 0 && hasValue) {
      options.module = argv[++i];
    } else if (std::strcmp(argv[i], "--reads") == 0 && hasValue) {
      options.reads = std::max(1, std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--polls") == 0 && hasValue) {
      options.polls = std::max(1, std::atoi(argv[++i]));
    } else {
      return false;
    }
  }
  return true;
}

// Seconds that each of `count` calls took.
template <typename Call>
std::vector<double> timeEach(int count, Call call) {
  std::vector<double> seconds;
  seconds.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const Clock::time_point start = Clock::now();
    call();
    seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  std::sort(seconds.begin(), seconds.end());
  return seconds;
}

std::string formatTime(double seconds) {
  char text[32];
  if (seconds < 1e-6) {
    std::snprintf(text, sizeof text, "%.0f ns", seconds * 1e9);
  } else if (seconds < 1e-3) {
    std::snprintf(text, sizeof text, "%.2f us", seconds * 1e6);
  } else {
    std::snprintf(text, sizeof text, "%.3f ms", seconds * 1e3);
  }
  return text;
}

void printRow(const char* what, const std::vector<double>& sorted, const std::string& outcome) {
  std::printf("%-44s %6zu %11s %11s %11s  %s\n", what, sorted.size(),
              formatTime(sorted.front()).c_str(), formatTime(sorted[sorted.size() / 2]).c_str(),
              formatTime(sorted.back()).c_str(), outcome.c_str());
}

std::string describe(const std::map<int, int>& statuses) {
  std::string text;
  for (const auto& [status, count] : statuses) {
    const char* name = status == VELTRA_STATUS_OK          ? "value"
                       : status == VELTRA_NODE_UNAVAILABLE ? "NODE_UNAVAILABLE"
                       : status == VELTRA_INVALID_HANDLE   ? "INVALID_HANDLE"
                       : status < 0                        ? "no record"
                                                           : "other";
    text += (text.empty() ? "" : ", ") + std::to_string(count) + " x " + name;
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parse(argc, argv, options)) {
    std::fprintf(stderr, "usage: veltra-poll-timing [--module PATH] [--reads N] [--polls N]\n");
    return 2;
  }
  // Without WMI (Linux), read the sample repository beside the program unless one is named.
  const std::string sample = veltra::host::programDirectory() + "ups.mof";
  if (std::getenv("VELTRA_CIM_REPOSITORY") == nullptr && std::ifstream(sample).good()) {
    veltra::host::setEnvironment("VELTRA_CIM_REPOSITORY", sample.c_str());
  }

  std::string error;
  const std::unique_ptr<VeltraModule> module = VeltraModule::load(options.module, error);
  if (!module) {
    std::fprintf(stderr, "veltra-poll-timing: %s\n", error.c_str());
    return 2;
  }
  if (module->InitNodes() != 1) {
    std::fprintf(stderr, "veltra-poll-timing: InitNodes failed\n");
    return 2;
  }
  std::vector<veltra_handle> handles;
  {
    const veltra::host::Record list = module->GetNodeList(veltra::host::queryPath("VELTRA").data());
    for (const veltra::host::ListedNode& node : veltra::host::listedNodes(list.get())) {
      veltra_handle handle = -1;
      std::uint8_t type = 0;
      if (module->NodeConnect(veltra::host::queryPath("VELTRA", node.key).data(), &handle, &type))
        handles.push_back(handle);
    }
  }
  if (handles.size() < 2) {
    std::fprintf(stderr, "veltra-poll-timing: fewer than two nodes could be connected\n");
    module->TermNodes();
    return 2;
  }

  std::map<int, int> readStatuses;
  const auto read = [&module, &readStatuses](veltra_handle handle) {
    const veltra::host::Record value = module->NodeGetValue(handle);
    ++readStatuses[value ? veltra_value_status(value.get()) : -1];
  };

  std::printf(
      "module: %s\n%zu nodes connected; every reading of a connected node is a whole WMI "
      "connection\n\n",
      options.module.c_str(), handles.size());
  std::printf("%-44s %6s %11s %11s %11s  %s\n", "per call", "count", "min", "median", "max",
              "outcome");

  read(handles[0]);  // the first connection of the process sets COM's own machinery up
  readStatuses.clear();
  const std::vector<double> reads = timeEach(options.reads, [&] { read(handles[0]); });
  printRow("NodeGetValue + NodeFreeValue, one node", reads, describe(readStatuses));

  readStatuses.clear();
  const std::vector<double> polls = timeEach(options.polls, [&] {
    for (const veltra_handle handle : handles) {
      read(handle);
      module->NodePulse(handle, VELTRA_PULSE_ACTIVE_MS);
    }
  });
  const std::string pollWhat = "whole poll: " + std::to_string(handles.size()) + " reads, pulses";
  printRow(pollWhat.c_str(), polls, describe(readStatuses));

  const std::vector<double> pulses =
      timeEach(options.reads * 10, [&] { module->NodePulse(handles[0], VELTRA_PULSE_ACTIVE_MS); });
  printRow("NodePulse: the data lock and little else", pulses, "");

  if (const veltra::platform::MutexHandle mutex = veltra::platform::createMutex()) {
    const std::vector<double> lockPairs = timeEach(options.reads * 10, [&mutex] {
      veltra::platform::waitForMutex(*mutex);
      veltra::platform::releaseMutex(*mutex);
    });
    printRow("the same kind of mutex alone, taken, released", lockPairs, "");
  }

  const veltra_handle disconnected = handles.back();
  module->NodeDisconnect(disconnected);
  readStatuses.clear();
  const std::vector<double> idle = timeEach(options.reads * 10, [&] { read(disconnected); });
  printRow("NodeGetValue + NodeFreeValue, no WMI read", idle, describe(readStatuses));

  module->TermNodes();
  return 0;
}
