// The record of unexpected calls.
#include "hostsim/unexpected_calls.h"

#include <utility>

namespace hostsim {
namespace {
std::vector<std::string>& recorded() {
    static std::vector<std::string> calls;
    return calls;
}
}  // namespace

void reportUnexpected(std::string what) { recorded().push_back(std::move(what)); }

std::vector<std::string> takeUnexpectedCalls() { return std::exchange(recorded(), {}); }

}  // namespace hostsim
