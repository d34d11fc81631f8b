// COM's one-time set-up for the process: the calling thread joins the multithreaded apartment,
// and process security is set for the WMI calls the module makes.
#pragma once

#include <cstdint>

namespace veltra::wmi {

// 1 when COM is ready, else 0. Only the first call tries; its outcome stands for the life of
// the process. Runs under the data lock.
std::int32_t ensureComReady() noexcept;

// Whether a successful set-up has happened.
bool comReady() noexcept;

// For tests only: forgets the set-up, as in a freshly loaded module.
void resetComSetupForTesting() noexcept;

}  // namespace veltra::wmi
