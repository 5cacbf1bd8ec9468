// The count of host calls and the failure of one of them.
#include "hostsim/host_calls.h"

namespace hostsim {
namespace {

struct State {
    bool counting = false;
    std::vector<std::wstring> names;
    std::size_t failing = 0;  // 0: none
    HRESULT failure = S_OK;
    HRESULT injected = S_OK;
};

State& state() {
    static State calls;
    return calls;
}

}  // namespace

void HostCalls::start() {
    state() = State{};
    state().counting = true;
}

void HostCalls::stop() { state() = State{}; }

void HostCalls::failCall(std::size_t number, HRESULT failure) {
    state().failing = number;
    state().failure = failure;
}

HRESULT HostCalls::enter(const wchar_t* name) { return enter(name, S_OK); }

HRESULT HostCalls::enter(const wchar_t* name, HRESULT onlyFailure) {
    State& calls = state();
    if (!calls.counting) return S_OK;
    calls.names.emplace_back(name);
    if (calls.names.size() != calls.failing) return S_OK;
    calls.injected = FAILED(onlyFailure) ? onlyFailure : calls.failure;
    return calls.injected;
}

std::size_t HostCalls::count() { return state().names.size(); }

const std::vector<std::wstring>& HostCalls::names() { return state().names; }

HRESULT HostCalls::injected() { return state().injected; }

}  // namespace hostsim
