// ComPtr: the one owner of a COM reference, so no path can leak or double-release one.
#pragma once
#include <objbase.h>
#include <cstddef>
#include <utility>

template <class T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(std::nullptr_t) noexcept {}
    // Takes a reference of its own on p (a copy, not a transfer; use attach for that).
    explicit ComPtr(T* p) noexcept : m_p(p) { if (m_p) m_p->AddRef(); }
    ComPtr(const ComPtr& other) noexcept : ComPtr(other.m_p) {}
    ComPtr(ComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ~ComPtr() { reset(); }

    ComPtr& operator=(ComPtr other) noexcept { std::swap(m_p, other.m_p); return *this; }

    void reset() noexcept {
        if (T* p = std::exchange(m_p, nullptr)) p->Release();
    }
    void attach(T* p) noexcept { reset(); m_p = p; }
    [[nodiscard]] T* detach() noexcept { return std::exchange(m_p, nullptr); }

    // Out-parameter access: releases what is held first, so re-use cannot leak.
    T** put() noexcept { reset(); return &m_p; }
    void** putVoid() noexcept { return reinterpret_cast<void**>(put()); }

    T* get() const noexcept { return m_p; }
    T* operator->() const noexcept { return m_p; }
    explicit operator bool() const noexcept { return m_p != nullptr; }

    template <class U>
    HRESULT query(ComPtr<U>& out) const noexcept { return queryIid(__uuidof(U), out); }
    template <class U>
    HRESULT queryIid(REFIID iid, ComPtr<U>& out) const noexcept {
        out.reset();
        return m_p ? m_p->QueryInterface(iid, out.putVoid()) : E_POINTER;
    }

    // Hands a new reference to a COM out parameter.
    HRESULT copyTo(T** out) const noexcept {
        if (!out) return E_POINTER;
        *out = m_p;
        if (m_p) m_p->AddRef();
        return S_OK;
    }

private:
    T* m_p = nullptr;
};
