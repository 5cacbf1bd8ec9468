// Calls a fake did not expect. Fakes record them instead of answering; tests
// fail when any were recorded, the demo prints them.
#pragma once
#include <string>
#include <vector>

namespace hostsim {

void reportUnexpected(std::string what);
// Returns the calls recorded so far and forgets them.
std::vector<std::string> takeUnexpectedCalls();

}  // namespace hostsim
