#include "bench_session.h"

#include <cstdlib>

namespace veltra::bench {
namespace {

std::unique_ptr<BenchSession> theSession;

constexpr char kConnectedKey[] = "InputVoltage";
constexpr char kDisconnectedKey[] = "OutputLoad";

}  // namespace

BenchSession& session() noexcept {
  return *theSession;
}

void setSession(std::unique_ptr<BenchSession> session) noexcept {
  theSession = std::move(session);
}

BenchSession::BenchSession(std::unique_ptr<host::VeltraModule> module)
    : module_(std::move(module)),
      rootPath_(host::queryPath("VELTRA")),
      nodePath_(host::queryPath("VELTRA", kConnectedKey)),
      disconnectedPath_(host::queryPath("VELTRA", kDisconnectedKey)) {}

BenchSession::~BenchSession() {
  module_->TermNodes();
}

std::unique_ptr<BenchSession> BenchSession::open(std::string& error) {
  if (std::getenv("VELTRA_CIM_REPOSITORY") == nullptr) {
    host::setEnvironment("VELTRA_CIM_REPOSITORY", (host::programDirectory() + "ups.mof").c_str());
  }
  const char* named = std::getenv("VELTRA_BENCH_MODULE");
  std::unique_ptr<host::VeltraModule> module =
      host::VeltraModule::load(named != nullptr ? named : host::VeltraModule::defaultPath(), error);
  if (!module) return nullptr;

  std::unique_ptr<BenchSession> session(new BenchSession(std::move(module)));
  if (!session->prepare()) {
    error = "the module did not initialise and connect " + std::string(kConnectedKey);
    return nullptr;
  }
  const host::Record list = session->module().GetNodeList(session->rootPath());
  if (!list) {
    error = "the module listed no nodes";
    return nullptr;
  }
  const host::Record value = session->module().NodeGetValue(session->connected());
  if (!value || veltra_value_status(value.get()) != VELTRA_STATUS_OK) {
    error = "the connected node has no reading: is VELTRA_CIM_REPOSITORY a UPS repository?";
    return nullptr;
  }
  session->floors_ = std::make_unique<Floors>(host::listedNodes(list.get()), session->rootPath_,
                                              session->nodePath_);
  if (!session->floors_->ready()) {
    error = "the floors' mutex could not be created";
    return nullptr;
  }
  return session;
}

bool BenchSession::prepare() {
  if (module_->InitNodes() != 1) return false;
  std::uint8_t type = 0;
  if (module_->NodeConnect(disconnectedPath_.data(), &disconnected_, &type) != 1) return false;
  module_->NodeDisconnect(disconnected_);
  return module_->NodeConnect(nodePath_.data(), &connected_, &type) == 1;
}

}  // namespace veltra::bench
