// The resources the dialogs load from Korvanta.dll itself: the logo and the
// hand icon must be in the built DLL, not only in a test program that links
// the dialogs' resource script on its own.
#include "dialogs/dialog_resources.h"
#include "tests/support/korvanta_test.h"

using namespace korvanta_test;

namespace {

// The bytes of a resource of the built DLL; empty when it is missing.
std::string resourceBytes(HMODULE module, const wchar_t* type, int id) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return std::string(static_cast<const char*>(data), size);
}

TEST(DllResources, TheLogoIsAJpegInTheDll) {
    HMODULE dll = korvantaDll();
    ASSERT_NE(nullptr, dll);
    const std::string logo = resourceBytes(dll, MAKEINTRESOURCEW(10) /* RT_RCDATA */, IDR_KORVANTA_LOGO);
    ASSERT_LT(2u, logo.size()) << "no logo in Korvanta.dll";
    EXPECT_EQ(std::string("\xFF\xD8", 2), logo.substr(0, 2)) << "a JPEG starts with its SOI marker";
}

TEST(DllResources, TheHandIconLoadsFromTheDll) {
    HMODULE dll = korvantaDll();
    ASSERT_NE(nullptr, dll);
    EXPECT_NE(nullptr, FindResourceW(dll, MAKEINTRESOURCEW(IDI_KORVANTA_HAND), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */));
    HICON hand = static_cast<HICON>(LoadImageW(dll, MAKEINTRESOURCEW(IDI_KORVANTA_HAND), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(nullptr, hand) << "no hand icon in Korvanta.dll";
    if (hand) DestroyIcon(hand);
}

TEST(DllResources, TheTypeLibraryIsEmbedded) {
    HMODULE dll = korvantaDll();
    ASSERT_NE(nullptr, dll);
    EXPECT_FALSE(resourceBytes(dll, L"TYPELIB", 1).empty());
}

}  // namespace
