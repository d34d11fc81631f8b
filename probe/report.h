// How the probe shows a poll: an aligned table for people, or one JSON object for scripts.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "session.h"

namespace veltra::probe {

void printTable(std::ostream& out, const std::vector<Reading>& readings);

// One line of JSON.
void printJson(std::ostream& out, const std::string& modulePath,
               const std::vector<Reading>& readings);

// True when every node was read.
bool allRead(const std::vector<Reading>& readings);

}  // namespace veltra::probe
