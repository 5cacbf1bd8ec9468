// What registration writes and unregistration removes, as data. Pure: the
// registry shell in registration.cpp only carries it out.
#pragma once
#include <string>
#include <vector>

namespace registration {

enum class Root { ClassesRoot, CurrentUser };

// The strings registration is made of, worked out by the caller.
struct ServerIdentity {
    std::wstring classId;           // {4DB5EE70-...}
    std::wstring libraryId;         // {1174D770-...}
    std::wstring interfaceId;       // _Connect
    std::wstring marshalerClassId;  // the automation marshaller
    std::wstring dllPath;
    std::wstring dllFolder;
    std::wstring typeLibraryHelp;   // the type library's help string
    std::wstring addinDescription;
    bool win64 = false;             // which platform the type library is registered for
};

struct RegistryValue {
    Root root;
    std::wstring key;
    std::wstring name;  // empty: the key's default value
    bool isNumber;
    std::wstring text;
    unsigned long number;
};

// Every value that registration writes, in the order it writes them: the type
// library, the class and its ProgID, then the Excel add-in entry.
std::vector<RegistryValue> registrationValues(const ServerIdentity& identity);

struct RegistryKey {
    Root root;
    std::wstring key;
};

// The keys that unregistration deletes with everything below them. Only keys
// that registration creates for Korvanta alone; Office's interfaces, the
// settings key and shared parents are never among them.
std::vector<RegistryKey> registrationKeys(const ServerIdentity& identity);
// Parents that unregistration removes only when nothing else is left in them.
std::vector<RegistryKey> keysRemovedWhenEmpty(const ServerIdentity& identity);

}  // namespace registration
