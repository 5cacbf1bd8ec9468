// Shared test helpers.
#include "tests/support/korvanta_test.h"

#include <vector>

#include "hostsim/unexpected_calls.h"
#include "support/bstr.h"
#include "support/reg_key.h"

namespace korvanta_test {
namespace {

template <class Function>
Function entryPoint(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(korvantaDll(), name)));
}

}  // namespace

std::wstring winePath(const char* unixPath) {
    std::wstring path = L"Z:";
    for (const char* c = unixPath; *c; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return path;
}

std::wstring korvantaDllPath() { return winePath(KORVANTA_DLL_UNIX_PATH); }

std::optional<ThreadError> takeThreadError() {
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.put()) != S_OK || !info) return std::nullopt;
    ThreadError error;
    info->GetGUID(&error.iid);
    Bstr source, description;
    info->GetSource(source.put());
    info->GetDescription(description.put());
    error.source.assign(source.view());
    error.description.assign(description.view());
    return error;
}

HMODULE korvantaDll() {
    static HMODULE dll = [] {
        HMODULE module = LoadLibraryW(korvantaDllPath().c_str());
        if (module) {
            auto registerServer = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
                reinterpret_cast<void*>(GetProcAddress(module, "DllRegisterServer")));
            if (registerServer) registerServer();
        }
        return module;
    }();
    return dll;
}

HRESULT dllRegisterServer() { return entryPoint<HRESULT(STDAPICALLTYPE*)()>("DllRegisterServer")(); }
HRESULT dllUnregisterServer() { return entryPoint<HRESULT(STDAPICALLTYPE*)()>("DllUnregisterServer")(); }
HRESULT dllCanUnloadNow() { return entryPoint<HRESULT(STDAPICALLTYPE*)()>("DllCanUnloadNow")(); }

ComPtr<IDispatch> createAddin() {
    korvantaDll();
    ComPtr<IDispatch> addin;
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(L"Korvanta.Connect", &clsid))) return addin;
    CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, addin.putVoid());
    return addin;
}

namespace {

std::optional<std::pair<DWORD, std::string>> readWide(HKEY root, const std::wstring& key, const wchar_t* name) {
    RegKey opened;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, opened.put()) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(opened.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    std::string data(size, '\0');
    if (RegQueryValueExW(opened.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    data.resize(size);
    return std::make_pair(type, data);
}

}  // namespace

std::optional<std::pair<DWORD, std::string>> readRaw(HKEY root, const std::wstring& key, const wchar_t* name) {
    return readWide(root, key, name);
}

std::string utf16Bytes(const std::wstring& text, bool withNul) {
    std::string bytes;
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    if (withNul) bytes.append(2, '\0');
    return bytes;
}

std::optional<std::wstring> readString(HKEY root, const std::wstring& key, const wchar_t* name) {
    const auto raw = readWide(root, key, name);
    if (!raw || raw->first != REG_SZ) return std::nullopt;
    std::wstring text(reinterpret_cast<const wchar_t*>(raw->second.data()), raw->second.size() / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

std::optional<DWORD> readDword(HKEY root, const std::wstring& key, const wchar_t* name) {
    const auto raw = readWide(root, key, name);
    if (!raw || raw->first != REG_DWORD || raw->second.size() != sizeof(DWORD)) return std::nullopt;
    DWORD value = 0;
    memcpy(&value, raw->second.data(), sizeof value);
    return value;
}

void writeRaw(HKEY root, const std::wstring& key, const wchar_t* name, DWORD type, const std::string& bytes) {
    RegKey created;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, created.put(), nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(created.get(), name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                            static_cast<DWORD>(bytes.size())));
}

void deleteTree(HKEY root, const std::wstring& key) {
    RegKey opened;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_ALL_ACCESS, opened.put()) != ERROR_SUCCESS) return;
    wchar_t child[256];
    std::vector<std::wstring> children;
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(opened.get(), i, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        children.emplace_back(child, length);
    }
    for (const auto& name : children) deleteTree(opened.get(), name);
    opened.reset();
    RegDeleteKeyW(root, key.c_str());
}

std::string dwordBytes(DWORD value) { return std::string(reinterpret_cast<const char*>(&value), sizeof value); }

void KorvantaTest::SetUp() {
    hostsim::takeUnexpectedCalls();
    deleteTree(HKEY_CURRENT_USER, kSettingsKey);
    deleteTree(HKEY_LOCAL_MACHINE, kPolicyKey);
    deleteTree(HKEY_CURRENT_USER, kPolicyKey);
}

void KorvantaTest::TearDown() {
    for (const std::string& call : hostsim::takeUnexpectedCalls()) ADD_FAILURE() << "unexpected call: " << call;
}

}  // namespace korvanta_test
