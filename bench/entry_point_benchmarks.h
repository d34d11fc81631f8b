// Every entry point and its floor, registered side by side, and the table rows that pair them.
#pragma once

#include <vector>

#include "ratio_table.h"

namespace veltra::bench {

// Registers the benchmarks and answers the rows of the ratio table, in order.
std::vector<TableRow> registerEntryPointBenchmarks();

}  // namespace veltra::bench
