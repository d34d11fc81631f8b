// veltra-probe: a small host that loads the module and shows what it serves.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <thread>

#include "options.h"
#include "report.h"
#include "session.h"

namespace {

using namespace veltra::probe;

enum ExitStatus { kAllRead = 0, kSomeUnavailable = 1, kCannotRun = 2 };

std::atomic<bool> gInterrupted{false};

extern "C" void onInterrupt(int) {
  gInterrupted = true;
}

// On Linux the module reads its values from a MOF repository; without one named, the sample.
void pointAtSampleRepository() {
  if (VELTRA_PROBE_SAMPLE[0] == '\0' || std::getenv("VELTRA_CIM_REPOSITORY") != nullptr) return;
  for (const std::string& candidate :
       {veltra::host::programDirectory() + "ups.mof", std::string(VELTRA_PROBE_SAMPLE)}) {
    if (std::FILE* file = std::fopen(candidate.c_str(), "rb")) {
      std::fclose(file);
      veltra::host::setEnvironment("VELTRA_CIM_REPOSITORY", candidate.c_str());
      return;
    }
  }
}

// Sleeps up to `ms`, waking early when interrupted.
void waitFor(std::int32_t ms) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!gInterrupted && std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

int run(const Options& options) {
  const std::string modulePath =
      options.modulePath.empty() ? veltra::host::VeltraModule::defaultPath() : options.modulePath;
  pointAtSampleRepository();

  std::string error;
  std::unique_ptr<Session> session = Session::open(modulePath, error);
  if (!session) {
    std::cerr << "veltra-probe: " << error << '\n';
    return kCannotRun;
  }

  if (!options.json) {
    std::cout << "module: " << modulePath << '\n';
    if (const char* repository = std::getenv("VELTRA_CIM_REPOSITORY")) {
      std::cout << "readings from the MOF repository " << repository << '\n';
    }
    std::cout << '\n';
  }

  std::signal(SIGINT, onInterrupt);
  std::signal(SIGTERM, onInterrupt);
  std::int32_t sinceLast = 0;
  bool everyNodeRead = false;
  for (unsigned poll = 1;; ++poll) {
    const std::vector<Reading> readings = session->poll(sinceLast);
    everyNodeRead = allRead(readings);
    if (options.json) {
      printJson(std::cout, modulePath, readings);
    } else {
      if (options.watch) std::cout << "poll " << poll << '\n';
      printTable(std::cout, readings);
    }
    std::cout.flush();

    if (!options.watch || gInterrupted || poll == options.polls) break;
    // Poll again when the soonest node asks to be polled.
    sinceLast = VELTRA_PULSE_IDLE_MS;
    for (const Reading& reading : readings)
      sinceLast = std::min(sinceLast, reading.pulseMs);
    waitFor(sinceLast);
    if (gInterrupted) break;
    if (!options.json) std::cout << '\n';
  }
  session.reset();  // disconnect every node and terminate the module
  return everyNodeRead ? kAllRead : kSomeUnavailable;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const std::optional<Options> options =
      parseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::cerr << "veltra-probe: " << error << "\n\n" << kUsage;
    return kCannotRun;
  }
  if (options->help) {
    std::cout << kUsage;
    return kAllRead;
  }
  return run(*options);
}
