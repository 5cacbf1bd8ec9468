// Owners of the GDI and USER handles a dialog creates: fonts, bitmaps, icons
// and cursors are freed after the windows that use them are gone.
#pragma once
#include <windows.h>

#include <utility>

namespace dialogs {

template <class Handle, BOOL(WINAPI* Free)(Handle)>
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : m_handle(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        std::swap(m_handle, other.m_handle);
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return m_handle; }
    explicit operator bool() const noexcept { return m_handle != nullptr; }
    void reset(Handle handle = nullptr) noexcept {
        if (Handle old = std::exchange(m_handle, handle)) Free(old);
    }

private:
    Handle m_handle = nullptr;
};

inline BOOL WINAPI deleteFont(HFONT font) { return DeleteObject(font); }
inline BOOL WINAPI deleteBitmap(HBITMAP bitmap) { return DeleteObject(bitmap); }
inline BOOL WINAPI deleteBrush(HBRUSH brush) { return DeleteObject(brush); }
inline BOOL WINAPI destroyIcon(HICON icon) { return DestroyIcon(icon); }
inline BOOL WINAPI destroyWindow(HWND window) { return DestroyWindow(window); }

using UniqueFont = UniqueHandle<HFONT, deleteFont>;
using UniqueBitmap = UniqueHandle<HBITMAP, deleteBitmap>;
using UniqueBrush = UniqueHandle<HBRUSH, deleteBrush>;
// Also the cursors made with CreateIconIndirect, which are freed like icons.
using UniqueIcon = UniqueHandle<HICON, destroyIcon>;
using UniqueWindow = UniqueHandle<HWND, destroyWindow>;

}  // namespace dialogs
