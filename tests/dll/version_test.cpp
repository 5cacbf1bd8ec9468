// The version record that Windows shows for Korvanta.dll and that marks it as
// able to register itself.
#include <vector>

#include "tests/support/korvanta_test.h"

using namespace korvanta_test;

namespace {

class VersionRecord : public testing::Test {
protected:
    void SetUp() override {
        const std::wstring path = korvantaDllPath();
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
        ASSERT_NE(0u, size);
        m_data.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, m_data.data()));
    }
    std::optional<std::wstring> text(const std::wstring& name) {
        void* value = nullptr;
        UINT length = 0;
        const std::wstring query = L"\\StringFileInfo\\080404b0\\" + name;
        if (!VerQueryValueW(m_data.data(), query.c_str(), &value, &length)) return std::nullopt;
        if (!value || length == 0) return std::wstring();
        std::wstring result(static_cast<const wchar_t*>(value), length);
        while (!result.empty() && result.back() == L'\0') result.pop_back();
        return result;
    }
    std::vector<BYTE> m_data;
};

TEST_F(VersionRecord, NumbersOsAndType) {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(m_data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(0x00010001u, fixed->dwFileVersionMS);
    EXPECT_EQ(0u, fixed->dwFileVersionLS);
    EXPECT_EQ(0x00010001u, fixed->dwProductVersionMS);
    EXPECT_EQ(0u, fixed->dwProductVersionLS);
    EXPECT_EQ(static_cast<DWORD>(VOS__WINDOWS32), fixed->dwFileOS);
    EXPECT_EQ(static_cast<DWORD>(VFT_DLL), fixed->dwFileType);
}

TEST_F(VersionRecord, OneStringTableInChineseUnicode) {
    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(m_data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(4u, length);
    EXPECT_EQ(0x0804, translation[0]);
    EXPECT_EQ(1200, translation[1]);
}

TEST_F(VersionRecord, Strings) {
    EXPECT_EQ(L"1.01", text(L"FileVersion"));
    EXPECT_EQ(L"1.01", text(L"ProductVersion"));
    EXPECT_EQ(L"Korvanta", text(L"ProductName"));
    EXPECT_EQ(L"Korvanta", text(L"InternalName"));
    EXPECT_EQ(L"Korvanta.dll", text(L"OriginalFilename"));
    EXPECT_EQ(L"Code by Lin Haoran", text(L"CompanyName"));
    // Present and empty: the mark of a self-registering DLL.
    EXPECT_EQ(L"", text(L"OLESelfRegister"));
}

}  // namespace
