// DllRegisterServer and DllUnregisterServer on the real registry.
#include "hostsim/office_caller.h"
#include "support/bstr.h"
#include "support/reg_key.h"
#include "tests/support/addin_in_excel.h"

using namespace korvanta_test;

namespace {

const std::wstring kClsid = L"{4DB5EE70-8025-4889-BA6B-D819180A7048}";
const std::wstring kLibid = L"{1174D770-BB74-4EEC-B4BC-AE6824B4763E}";
const std::wstring kConnectIid = L"{F12DAE50-34D2-40CE-8F5E-90798903BE21}";
const std::wstring kMarshaler = L"{00020424-0000-0000-C000-000000000046}";
const std::wstring kAddinKey = L"Software\\Microsoft\\Office\\Excel\\Addins\\Korvanta.Connect";
// Office's own registration of IRibbonExtensibility, which ours must not touch.
const std::wstring kOfficeInterface = L"Interface\\{000C0396-0000-0000-C000-000000000046}";
const std::wstring kOfficeLibid = L"{2DF8D04C-5BFA-101B-BDE5-00AA0044DE52}";

std::wstring platform() {
#ifdef _WIN64
    return L"win64";
#else
    return L"win32";
#endif
}

std::vector<std::wstring> subkeys(HKEY root, const std::wstring& key) {
    std::vector<std::wstring> names;
    RegKey opened;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, opened.put()) != ERROR_SUCCESS) return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(opened.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}

class Registration : public KorvantaTest {
protected:
    void SetUp() override {
        KorvantaTest::SetUp();
        korvantaDll();
        // Office's interface as an installed Office registers it.
        writeRaw(HKEY_CLASSES_ROOT, kOfficeInterface, nullptr, REG_SZ, utf16Bytes(L"IRibbonExtensibility", true));
        writeRaw(HKEY_CLASSES_ROOT, kOfficeInterface + L"\\TypeLib", nullptr, REG_SZ, utf16Bytes(kOfficeLibid, true));
        writeRaw(HKEY_CLASSES_ROOT, kOfficeInterface + L"\\TypeLib", L"Version", REG_SZ, utf16Bytes(L"2.4", true));
    }
    void TearDown() override {
        // The other tests of this program create the add-in by its ProgID.
        EXPECT_EQ(S_OK, dllRegisterServer());
        deleteTree(HKEY_CLASSES_ROOT, kOfficeInterface);
        KorvantaTest::TearDown();
    }
    void expectOfficeUntouched() {
        EXPECT_EQ(L"IRibbonExtensibility", readString(HKEY_CLASSES_ROOT, kOfficeInterface, nullptr).value_or(L"<gone>"));
        EXPECT_EQ(kOfficeLibid, readString(HKEY_CLASSES_ROOT, kOfficeInterface + L"\\TypeLib", nullptr).value_or(L"<gone>"));
        EXPECT_EQ(L"2.4", readString(HKEY_CLASSES_ROOT, kOfficeInterface + L"\\TypeLib", L"Version").value_or(L"<gone>"));
    }
    std::wstring text(HKEY root, const std::wstring& key, const wchar_t* name = nullptr) {
        return readString(root, key, name).value_or(L"<missing>");
    }
};

TEST_F(Registration, WritesTheClassTheAddinAndTheTypeLibrary) {
    ASSERT_EQ(S_OK, dllRegisterServer());
    const HKEY hkcr = HKEY_CLASSES_ROOT;
    EXPECT_EQ(kClsid, text(hkcr, L"Korvanta.Connect\\Clsid"));
    EXPECT_EQ(korvantaDllPath(), text(hkcr, L"CLSID\\" + kClsid + L"\\InprocServer32"));
    EXPECT_EQ(L"Apartment", text(hkcr, L"CLSID\\" + kClsid + L"\\InprocServer32", L"ThreadingModel"));
    EXPECT_EQ(L"Korvanta.Connect", text(hkcr, L"CLSID\\" + kClsid + L"\\ProgID"));
    EXPECT_EQ(kLibid, text(hkcr, L"CLSID\\" + kClsid + L"\\TypeLib"));

    EXPECT_EQ(L"Korvanta", text(HKEY_CURRENT_USER, kAddinKey, L"FriendlyName"));
    EXPECT_EQ(L"Korvanta Code By Lin Haoran", text(HKEY_CURRENT_USER, kAddinKey, L"Description"));
    EXPECT_EQ(3u, readDword(HKEY_CURRENT_USER, kAddinKey, L"LoadBehavior").value_or(0));
    EXPECT_EQ(3u, valueCount(HKEY_CURRENT_USER, kAddinKey)) << "nothing beyond the three add-in values";

    const std::wstring library = L"TypeLib\\" + kLibid + L"\\1.0";
    EXPECT_EQ(L"Korvanta code by Lin Haoran", text(hkcr, library));
    EXPECT_EQ(korvantaDllPath(), text(hkcr, library + L"\\0\\" + platform()));
    EXPECT_EQ(L"0", text(hkcr, library + L"\\FLAGS"));
    const std::wstring iface = L"Interface\\" + kConnectIid;
    EXPECT_EQ(L"_Connect", text(hkcr, iface));
    EXPECT_EQ(kMarshaler, text(hkcr, iface + L"\\ProxyStubClsid32"));
    EXPECT_EQ(kLibid, text(hkcr, iface + L"\\TypeLib"));
    EXPECT_EQ(L"1.0", text(hkcr, iface + L"\\TypeLib", L"Version"));
    expectOfficeUntouched();
}

TEST_F(Registration, TheRegisteredTypeLibraryLoadsAndDescribesConnect) {
    ASSERT_EQ(S_OK, dllRegisterServer());
    ComPtr<ITypeLib> library;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvanta, 1, 0, 0, library.put()));
    Bstr name, help;
    ASSERT_EQ(S_OK, library->GetDocumentation(-1, name.put(), help.put(), nullptr, nullptr));
    EXPECT_EQ(L"Korvanta", name.view());
    EXPECT_EQ(L"Korvanta code by Lin Haoran", help.view());
    ComPtr<ITypeInfo> coclass;
    ASSERT_EQ(S_OK, library->GetTypeInfoOfGuid(CLSID_Connect, coclass.put()));
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(S_OK, coclass->GetTypeAttr(&attributes));
    EXPECT_EQ(TKIND_COCLASS, attributes->typekind);
    EXPECT_EQ(2, attributes->cImplTypes);
    coclass->ReleaseTypeAttr(attributes);
    // _Connect is the default interface, IRibbonExtensibility the second.
    const IID expected[] = {IID__Connect, IID_IRibbonExtensibility};
    for (UINT i = 0; i < 2; ++i) {
        HREFTYPE reference = 0;
        ASSERT_EQ(S_OK, coclass->GetRefTypeOfImplType(i, &reference));
        ComPtr<ITypeInfo> implemented;
        ASSERT_EQ(S_OK, coclass->GetRefTypeInfo(reference, implemented.put()));
        ASSERT_EQ(S_OK, implemented->GetTypeAttr(&attributes));
        EXPECT_TRUE(IsEqualGUID(expected[i], attributes->guid)) << i;
        implemented->ReleaseTypeAttr(attributes);
        INT flags = 0;
        coclass->GetImplTypeFlags(i, &flags);
        EXPECT_EQ(i == 0, (flags & IMPLTYPEFLAG_FDEFAULT) != 0);
    }
}

TEST_F(Registration, RegisteringTwiceLeavesOneSetOfEntries) {
    ASSERT_EQ(S_OK, dllRegisterServer());
    ASSERT_EQ(S_OK, dllRegisterServer());
    EXPECT_EQ((std::vector<std::wstring>{L"InprocServer32", L"ProgID", L"TypeLib"}), subkeys(HKEY_CLASSES_ROOT, L"CLSID\\" + kClsid));
    EXPECT_EQ(2u, valueCount(HKEY_CLASSES_ROOT, L"CLSID\\" + kClsid + L"\\InprocServer32"));
    EXPECT_EQ(3u, valueCount(HKEY_CURRENT_USER, kAddinKey));
    EXPECT_EQ(std::vector<std::wstring>{L"1.0"}, subkeys(HKEY_CLASSES_ROOT, L"TypeLib\\" + kLibid));
}

TEST_F(Registration, UnregisteringRemovesOnlyWhatRegistrationWrote) {
    ASSERT_EQ(S_OK, dllRegisterServer());
    writeRaw(HKEY_CURRENT_USER, kSettingsKey, L"TabHome", REG_SZ, utf16Bytes(L"0", true));
    ASSERT_EQ(S_OK, dllUnregisterServer());
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, L"Korvanta.Connect"));
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, L"CLSID\\" + kClsid));
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, L"TypeLib\\" + kLibid));
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, L"Interface\\" + kConnectIid));
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, kAddinKey));
    EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\Excel\\Addins"));
    EXPECT_EQ(L"0", readString(HKEY_CURRENT_USER, kSettingsKey, L"TabHome").value_or(L"<gone>"));
    expectOfficeUntouched();
    // Nothing left to remove is no failure.
    EXPECT_EQ(S_OK, dllUnregisterServer());
}

TEST_F(Registration, TypeInformationIsLoadedWithoutRegisteringTheLibrary) {
    // Registering from inside the add-in would point Office's interface keys
    // at our library again; only DllRegisterServer may write these keys.
    ASSERT_EQ(S_OK, dllUnregisterServer());
    ASSERT_FALSE(keyExists(HKEY_CLASSES_ROOT, L"TypeLib\\" + kLibid));
    // Not registered, so made by the DLL's own factory rather than by ProgID.
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    const auto getClassObject =
        reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(korvantaDll(), "DllGetClassObject")));
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(S_OK, getClassObject(CLSID_Connect, IID_IClassFactory, factory.putVoid()));
    ComPtr<IDispatch> addin;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IDispatch, addin.putVoid()));

    ComPtr<ITypeInfo> info;
    ASSERT_EQ(S_OK, addin->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put()));
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"GetVisibleI")};
    MEMBERID id = 0;
    EXPECT_EQ(S_OK, info->GetIDsOfNames(names, 1, &id));
    EXPECT_EQ(0x60030003, id);
    ComPtr<IDispatch> ribbonExtensibility;
    ASSERT_EQ(S_OK, addin->QueryInterface(IID_IRibbonExtensibility, ribbonExtensibility.putVoid()));
    ComPtr<ITypeInfo> ribbonInfo;
    EXPECT_EQ(S_OK, ribbonExtensibility->GetTypeInfo(0, LOCALE_USER_DEFAULT, ribbonInfo.put()));
    EXPECT_EQ(S_OK, hostsim::callCallback(addin.get(), L"GetRibbonXML", nullptr).hr);

    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, L"TypeLib\\" + kLibid));
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, L"Interface\\" + kConnectIid));
    SCOPED_TRACE("Office's keys after the type information was read");
    expectOfficeUntouched();
}

TEST_F(Registration, AFailingWriteFailsRegistration) {
    // HKEY_CURRENT_USER replaced by a volatile key: the add-in key cannot be created.
    const std::wstring standIn = L"SOFTWARE\\Korvanta Tests\\Unwritable user";
    RegKey volatileKey;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, standIn.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                                             KEY_ALL_ACCESS, nullptr, volatileKey.put(), nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, volatileKey.get()));
    const HRESULT hr = dllRegisterServer();
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    volatileKey.reset();
    deleteTree(HKEY_CURRENT_USER, standIn);
    EXPECT_TRUE(FAILED(hr)) << std::hex << hr;
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_CHILD_MUST_BE_VOLATILE), hr);
}

}  // namespace
