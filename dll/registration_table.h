// What registration writes and unregistration removes, as data. Pure: the
// registry shell in registration.cpp only carries it out.
#pragma once
#include <string>
#include <vector>

namespace registration {

enum class Root { ClassesRoot, CurrentUser, LocalMachine };

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

// Where an installer package puts what registration writes: for the user who
// installs (HKCU, no elevation) or for every user of the machine (HKLM).
enum class InstallScope { PerUser, PerMachine };

// The registration table as a package installs it for `scope`: the entries that
// registration writes below HKCR go below Software\Classes of the scope's hive
// (Windows shows them through HKCR), and the Excel add-in entry goes to the
// scope's own Addins key. The same values, in the same order.
std::vector<RegistryValue> installedValues(const ServerIdentity& identity, InstallScope scope);
// The keys that removing such a package takes away (registrationKeys, moved the same way).
std::vector<RegistryKey> installedKeys(const ServerIdentity& identity, InstallScope scope);

// Whether a value lies where 64-bit Windows shows 32-bit and 64-bit programs
// the same key: the ProgID and TypeLib keys and all of HKCU\Software other
// than the classes' CLSID and Interface keys. HKLM\Software and the CLSID and
// Interface keys are kept apart for 32-bit programs.
bool inViewSharedByPlatforms(Root root, const std::wstring& key);
// Whether the 32-bit and the 64-bit package both write this value, to the same
// place and with the same data, so that it belongs in a part that both packages
// share: removing one of them then leaves it for the other. A value naming the
// package's own DLL or folder differs between the two.
bool sameForBothPlatforms(const RegistryValue& installed, const ServerIdentity& identity);
// Whether both packages write this value to the same place with their own
// data (the type library's help folder): the last one installed wins.
bool contestedByPlatforms(const RegistryValue& installed, const ServerIdentity& identity);

}  // namespace registration
