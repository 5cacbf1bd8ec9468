// The DLL's stand-ins for the C++ runtime's throw helpers, linked here as in
// the DLL: every failure keeps the kind that the COM entries tell apart, as
// std::bad_alloc becomes E_OUTOFMEMORY and anything else E_UNEXPECTED.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <new>
#include <ostream>
#include <string>
#include <vector>

namespace {

enum class Thrown { Nothing, BadAlloc, OtherException, NotAnException };

std::ostream& operator<<(std::ostream& out, Thrown thrown) {
    const char* const names[] = {"nothing", "std::bad_alloc", "another std::exception", "not a std::exception"};
    return out << names[static_cast<int>(thrown)];
}

template <class Body>
Thrown thrownBy(Body&& body) {
    try {
        body();
    } catch (const std::bad_alloc&) {
        return Thrown::BadAlloc;
    } catch (const std::exception& e) {
        EXPECT_NE(0u, std::strlen(e.what()));
        return Thrown::OtherException;
    } catch (...) {
        return Thrown::NotAnException;
    }
    return Thrown::Nothing;
}

TEST(CxxRuntime, LibraryMisuseIsNeverOutOfMemory) {
    EXPECT_EQ(Thrown::OtherException, thrownBy([] {
                  std::wstring text;
                  text.reserve(text.max_size() + 1);  // length_error
              }));
    EXPECT_EQ(Thrown::OtherException, thrownBy([] { (void)std::wstring(L"abc").substr(4); }));  // out_of_range
    EXPECT_EQ(Thrown::OtherException, thrownBy([] { (void)std::vector<int>().at(0); }));
    EXPECT_EQ(Thrown::OtherException, thrownBy([] { std::wstring(L"abc").erase(4); }));
}

TEST(CxxRuntime, AllocationFailureStaysBadAlloc) {
    // Within the container's limits, but more than the address space holds.
    EXPECT_EQ(Thrown::BadAlloc, thrownBy([] {
                  std::vector<char> bytes;
                  bytes.reserve(bytes.max_size() - 16);
              }));
    // Beyond what any array can hold: bad_array_new_length, a bad_alloc.
    EXPECT_EQ(Thrown::BadAlloc, thrownBy([] { (void)std::allocator<int>().allocate(std::size_t(-1) / 2); }));
    EXPECT_EQ(Thrown::Nothing, thrownBy([] { std::wstring(L"abc").reserve(100); }));
}

}  // namespace
