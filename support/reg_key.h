// RegKey: owner of an open registry key handle.
#pragma once
#include <windows.h>
#include <utility>

class RegKey {
public:
    RegKey() noexcept = default;
    explicit RegKey(HKEY key) noexcept : m_key(key) {}
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    RegKey(RegKey&& other) noexcept : m_key(std::exchange(other.m_key, nullptr)) {}
    RegKey& operator=(RegKey&& other) noexcept { std::swap(m_key, other.m_key); return *this; }
    ~RegKey() { reset(); }

    HKEY get() const noexcept { return m_key; }
    HKEY* put() noexcept { reset(); return &m_key; }
    void reset() noexcept {
        if (HKEY key = std::exchange(m_key, nullptr)) RegCloseKey(key);
    }
    explicit operator bool() const noexcept { return m_key != nullptr; }

private:
    HKEY m_key = nullptr;
};
