// Bstr: owner of a BSTR; Variant: owner of a VARIANT.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <string_view>
#include <utility>

class Bstr {
public:
    Bstr() noexcept = default;
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& other) noexcept : m_s(std::exchange(other.m_s, nullptr)) {}
    Bstr& operator=(Bstr&& other) noexcept { std::swap(m_s, other.m_s); return *this; }
    ~Bstr() { SysFreeString(m_s); }

    // A null Bstr after this means the allocation failed.
    static Bstr copyOf(std::wstring_view text) noexcept {
        Bstr result;
        if (text.size() <= 0x7FFFFFF0u)
            result.m_s = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return result;
    }

    BSTR get() const noexcept { return m_s; }
    BSTR* put() noexcept { reset(); return &m_s; }
    [[nodiscard]] BSTR release() noexcept { return std::exchange(m_s, nullptr); }
    void reset() noexcept { SysFreeString(std::exchange(m_s, nullptr)); }
    explicit operator bool() const noexcept { return m_s != nullptr; }

    // A null BSTR is, by COM convention, the empty string.
    std::wstring_view view() const noexcept { return m_s ? std::wstring_view(m_s, SysStringLen(m_s)) : std::wstring_view(); }

private:
    BSTR m_s = nullptr;
};

class Variant {
public:
    Variant() noexcept { VariantInit(&m_v); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&m_v); }

    VARIANT* put() noexcept { VariantClear(&m_v); return &m_v; }
    VARIANT* get() noexcept { return &m_v; }
    const VARIANT& operator*() const noexcept { return m_v; }
    const VARIANT* operator->() const noexcept { return &m_v; }

private:
    VARIANT m_v;
};
