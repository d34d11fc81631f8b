// Tests make a step of the service fail by naming it in VELTRA_TEST_WMI_FAIL: "ConnectServer" or
// "SetBlanket". Read at each call, so a test can change it between reads.
#pragma once

namespace testwmi {

bool mustFail(const char* step);

}  // namespace testwmi
