// Smaller stand-ins, linked into the DLL only, for two parts of GCC's static
// C++ runtime: the verbose terminate handler and the library's throw helpers.
#include <cstdlib>
#include <exception>
#include <new>
#include <typeinfo>

// The default terminate handler prints the pending exception's demangled type
// to stderr before it aborts. Inside Excel there is no stderr to read, and the
// demangler and the formatted printing behind it weigh about 70 KB.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace {

// What the library's containers throw where the standard names a logic or
// runtime error (length_error, out_of_range, ...). Those standard classes keep
// their message in a reference-counted string of their own, which brings a
// second string implementation into the DLL (about 60 KB). Every COM entry
// tells std::bad_alloc apart (E_OUTOFMEMORY) and nothing else (E_UNEXPECTED),
// so a plain std::exception keeps each failure's HRESULT as it was.
class LibraryError final : public std::exception {
public:
    explicit LibraryError(const char* what) noexcept : m_what(what) {}
    const char* what() const noexcept override { return m_what; }

private:
    const char* m_what;  // the library passes literals
};

}  // namespace

// Every helper that libstdc++ defines in the one object file that holds them
// (functexcept.o), so that the library's definitions are never linked beside
// these: a helper left out would bring that object back and fail the link.
namespace std {
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_bad_exception() { throw bad_exception(); }
void __throw_logic_error(const char* what) { throw LibraryError(what); }
void __throw_domain_error(const char* what) { throw LibraryError(what); }
void __throw_invalid_argument(const char* what) { throw LibraryError(what); }
void __throw_length_error(const char* what) { throw LibraryError(what); }
void __throw_out_of_range(const char* what) { throw LibraryError(what); }
void __throw_out_of_range_fmt(const char* format, ...) { throw LibraryError(format); }
void __throw_runtime_error(const char* what) { throw LibraryError(what); }
void __throw_range_error(const char* what) { throw LibraryError(what); }
void __throw_overflow_error(const char* what) { throw LibraryError(what); }
void __throw_underflow_error(const char* what) { throw LibraryError(what); }
}  // namespace std
