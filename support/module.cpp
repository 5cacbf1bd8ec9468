// Counters behind DllCanUnloadNow.
#include "support/module.h"

#include <atomic>

namespace module {
namespace {
HINSTANCE g_instance = nullptr;
std::atomic<long> g_objects{0};
std::atomic<long> g_locks{0};
}  // namespace

void setInstance(HINSTANCE instance) noexcept { g_instance = instance; }
HINSTANCE instance() noexcept { return g_instance; }

std::wstring path() {
    // Paths may be longer than MAX_PATH; grow until the whole path fits.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(g_instance, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        if (buffer.size() >= 32768) return {};
        buffer.resize(buffer.size() * 2);
    }
}

void objectCreated() noexcept { ++g_objects; }
void objectDestroyed() noexcept { --g_objects; }
void lockServer(bool lock) noexcept { lock ? ++g_locks : --g_locks; }
bool canUnload() noexcept { return g_objects.load() == 0 && g_locks.load() == 0; }

}  // namespace module
