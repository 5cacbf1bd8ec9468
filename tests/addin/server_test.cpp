// The COM server as a host meets it: class factory, identity, unloading, and
// IDispatch (names, argument forms, errors, agreement with the type library).
#include <atomic>
#include <iterator>
#include <string>
#include <vector>

#include "hostsim/dialog_user.h"
#include "support/bstr.h"
#include "tests/support/addin_in_excel.h"

using namespace korvanta_test;
using hostsim::CallbackResult;
using hostsim::invokeMember;

namespace {

using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

GetClassObject dllGetClassObject() {
    return reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(korvantaDll(), "DllGetClassObject")));
}

class Server : public KorvantaTest {};

TEST_F(Server, HandsOutOnlyItsOwnClass) {
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, dllGetClassObject()(IID_IRibbonUI, IID_IClassFactory, &object));
    EXPECT_EQ(nullptr, object);
    EXPECT_EQ(S_OK, dllCanUnloadNow());
}

TEST_F(Server, TheFactoryRefusesAggregationAndUnknownInterfaces) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(S_OK, dllGetClassObject()(CLSID_Connect, IID_IClassFactory, factory.putVoid()));
    ComPtr<IUnknown> outer;
    outer.attach(new hostsim::FakeRibbonUI());
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(outer.get(), IID_IUnknown, &object));
    EXPECT_EQ(nullptr, object);
    object = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IRibbonControl, &object));
    EXPECT_EQ(nullptr, object);
    EXPECT_EQ(1u, referencesOf(outer.get()));
    EXPECT_EQ(S_FALSE, dllCanUnloadNow()) << "a factory is still held";
    factory.reset();
    EXPECT_EQ(S_OK, dllCanUnloadNow());
}

TEST_F(Server, ServerLocksAndLiveObjectsKeepTheDllLoaded) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(S_OK, dllGetClassObject()(CLSID_Connect, IID_IClassFactory, factory.putVoid()));
    ASSERT_EQ(S_OK, factory->LockServer(TRUE));
    factory.reset();
    EXPECT_EQ(S_FALSE, dllCanUnloadNow());
    ComPtr<IDispatch> addin = createAddin();
    ASSERT_TRUE(addin);
    ASSERT_EQ(S_OK, dllGetClassObject()(CLSID_Connect, IID_IClassFactory, factory.putVoid()));
    ASSERT_EQ(S_OK, factory->LockServer(FALSE));
    factory.reset();
    EXPECT_EQ(S_FALSE, dllCanUnloadNow()) << "an add-in object is alive";
    addin.reset();
    EXPECT_EQ(S_OK, dllCanUnloadNow());
}

TEST_F(Server, TheObjectKeepsComIdentityRules) {
    ComPtr<IDispatch> addin = createAddin();
    ASSERT_TRUE(addin);
    ComPtr<IUnknown> identity;
    ASSERT_EQ(S_OK, addin->QueryInterface(IID_IUnknown, identity.putVoid()));
    const IID interfaces[] = {IID_IUnknown, IID_IDispatch, IID__Connect, IID_IRibbonExtensibility,
                              IID__IDTExtensibility2, IID_ISupportErrorInfo};
    for (const IID& first : interfaces) {
        ComPtr<IUnknown> viaFirst;
        ASSERT_EQ(S_OK, addin->QueryInterface(first, viaFirst.putVoid()));
        for (const IID& second : interfaces) {
            ComPtr<IUnknown> viaSecond;
            ASSERT_EQ(S_OK, viaFirst->QueryInterface(second, viaSecond.putVoid()));
            ComPtr<IUnknown> back;
            ASSERT_EQ(S_OK, viaSecond->QueryInterface(IID_IUnknown, back.putVoid()));
            EXPECT_EQ(identity.get(), back.get());
        }
    }
    // IDispatch is _Connect's: the interface Office finds the callbacks on.
    ComPtr<IUnknown> dispatch, connect;
    addin->QueryInterface(IID_IDispatch, dispatch.putVoid());
    addin->QueryInterface(IID__Connect, connect.putVoid());
    EXPECT_EQ(dispatch.get(), connect.get());

    for (const IID& absent : {IID_IRibbonUI, IID_IRibbonControl, IID_IClassFactory, IID_IConnectionPointContainer}) {
        void* object = reinterpret_cast<void*>(1);
        EXPECT_EQ(E_NOINTERFACE, addin->QueryInterface(absent, &object));
        EXPECT_EQ(nullptr, object);
    }
    EXPECT_EQ(E_POINTER, addin->QueryInterface(IID_IUnknown, nullptr));
}

// A member of _Connect as the type library (built from addin/Korvanta.idl,
// the one list of them) describes it to Office's callers.
struct Member {
    std::wstring name;
    DISPID id;
    UINT parameters;
};

// _Connect's own members in the embedded type library's order, read through
// the object's IDispatch; empty when there is no type information.
std::vector<Member> typeLibraryMembers(IDispatch* addin) {
    std::vector<Member> members;
    ComPtr<ITypeInfo> info;
    if (addin->GetTypeInfo(0, 1033, info.put()) != S_OK) return members;
    TYPEATTR* attributes = nullptr;
    if (info->GetTypeAttr(&attributes) != S_OK) return members;
    const WORD functions = attributes->cFuncs;
    info->ReleaseTypeAttr(attributes);
    for (WORD i = 0; i < functions; ++i) {
        FUNCDESC* function = nullptr;
        if (info->GetFuncDesc(i, &function) != S_OK) continue;
        Bstr name;
        UINT names = 0;
        info->GetNames(function->memid, name.put(), 1, &names);
        // IUnknown's and IDispatch's own members come first in a dual interface.
        if (function->memid >= 0x60030000) {
            members.push_back({std::wstring(name.view()), function->memid, static_cast<UINT>(function->cParams)});
        }
        info->ReleaseFuncDesc(function);
    }
    return members;
}

class Dispatch : public AddinInExcel {};

DISPID idOf(IDispatch* object, const wchar_t* name, HRESULT* hr = nullptr) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = 0;
    const HRESULT result = object->GetIDsOfNames(IID_NULL, names, 1, 1033, &id);
    if (hr) *hr = result;
    return id;
}

TEST_F(Dispatch, NamesAreFoundWithoutRegardToCase) {
    const std::vector<Member> members = typeLibraryMembers(addin.get());
    ASSERT_EQ(9u, members.size());
    for (const Member& member : members) {
        EXPECT_EQ(member.id, idOf(addin.get(), member.name.c_str())) << testing::PrintToString(member.name);
    }
    EXPECT_EQ(0x60030003, idOf(addin.get(), L"getvisiblei"));
    EXPECT_EQ(0x60030009, idOf(addin.get(), L"RXKORVANTA_GET"));
    HRESULT hr = S_OK;
    EXPECT_EQ(DISPID_UNKNOWN, idOf(addin.get(), L"GetVisibleIII", &hr));
    EXPECT_EQ(DISP_E_UNKNOWNNAME, hr);
    EXPECT_EQ(DISPID_UNKNOWN, idOf(addin.get(), L"MyExcel_WorkbookOpen", &hr));
    EXPECT_EQ(DISP_E_UNKNOWNNAME, hr);

    // A member with its parameter's name, as named-argument callers ask.
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"GetLabel"), const_cast<LPOLESTR>(L"control")};
    DISPID ids[2] = {};
    EXPECT_EQ(S_OK, addin->GetIDsOfNames(IID_NULL, names, 2, 1033, ids));
    EXPECT_EQ(0x60030008, ids[0]);
    EXPECT_EQ(0, ids[1]);
    names[1] = const_cast<LPOLESTR>(L"ribbon");
    EXPECT_EQ(DISP_E_UNKNOWNNAME, addin->GetIDsOfNames(IID_NULL, names, 2, 1033, ids));
    EXPECT_EQ(DISPID_UNKNOWN, ids[1]);

    EXPECT_EQ(DISP_E_UNKNOWNINTERFACE, addin->GetIDsOfNames(IID_IRibbonUI, names, 1, 1033, ids));
}

TEST_F(Dispatch, TheTableAgreesWithTheTypeLibrary) {
    UINT count = 0;
    ASSERT_EQ(S_OK, addin->GetTypeInfoCount(&count));
    ASSERT_EQ(1u, count);
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(S_OK, addin->GetTypeInfo(0, 1033, info.put()));
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(S_OK, info->GetTypeAttr(&attributes));
    EXPECT_TRUE(IsEqualGUID(IID__Connect, attributes->guid));
    EXPECT_TRUE(attributes->wTypeFlags & TYPEFLAG_FDUAL);
    EXPECT_TRUE(attributes->wTypeFlags & TYPEFLAG_FHIDDEN);
    EXPECT_TRUE(attributes->wTypeFlags & TYPEFLAG_FNONEXTENSIBLE);
    info->ReleaseTypeAttr(attributes);

    // Every member the type library describes is answered by dispatch under
    // its name and id, taking exactly its parameter count: a member added to
    // the IDL without its row in the dispatch table fails here.
    const std::vector<Member> members = typeLibraryMembers(addin.get());
    ASSERT_EQ(9u, members.size());
    for (const Member& member : members) {
        SCOPED_TRACE(testing::PrintToString(member.name));
        EXPECT_EQ(member.id, idOf(addin.get(), member.name.c_str()));
        VARIANT arguments[2];
        for (VARIANT& argument : arguments) VariantInit(&argument);
        EXPECT_NE(DISP_E_BADPARAMCOUNT,
                  invokeMember(addin.get(), member.id, DISPATCH_METHOD, arguments, member.parameters).hr);
        EXPECT_EQ(DISP_E_BADPARAMCOUNT,
                  invokeMember(addin.get(), member.id, DISPATCH_METHOD, arguments, member.parameters + 1).hr);
    }
    // Nothing answers beyond the table.
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, invokeMember(addin.get(), 0x6003000A, DISPATCH_METHOD, nullptr, 0).hr);
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, invokeMember(addin.get(), 0x60030000, DISPATCH_METHOD, nullptr, 0).hr);
}

TEST_F(Dispatch, EveryMemberChecksItsArgumentCount) {
    ComPtr<hostsim::FakeRibbonControl> control = hostsim::makeControl(L"TabHome");
    VARIANT two[2];
    for (VARIANT& argument : two) {
        argument.vt = VT_DISPATCH;
        argument.pdispVal = control.get();
    }
    const std::vector<Member> members = typeLibraryMembers(addin.get());
    ASSERT_FALSE(members.empty());
    for (const Member& member : members) {
        SCOPED_TRACE(testing::PrintToString(member.name));
        EXPECT_EQ(DISP_E_BADPARAMCOUNT, invokeMember(addin.get(), member.id, DISPATCH_METHOD, two, member.parameters + 1).hr);
        if (member.parameters > 0) {
            EXPECT_EQ(DISP_E_BADPARAMCOUNT, invokeMember(addin.get(), member.id, DISPATCH_METHOD, nullptr, 0).hr);
        }
    }
    EXPECT_EQ(1u, referencesOf(control.get()));
}

TEST_F(Dispatch, TheControlMayComeInEveryFormAnAutomationCallerUses) {
    ASSERT_EQ(S_OK, connect());
    ComPtr<hostsim::FakeRibbonControl> control = hostsim::makeControl(L"TabFormulas");
    IDispatch* asDispatch = control.get();
    IUnknown* asUnknown = control.get();
    VARIANT inner;
    inner.vt = VT_DISPATCH;
    inner.pdispVal = control.get();

    VARIANT forms[5];
    forms[0].vt = VT_DISPATCH;
    forms[0].pdispVal = control.get();
    forms[1].vt = VT_DISPATCH | VT_BYREF;
    forms[1].ppdispVal = &asDispatch;
    forms[2].vt = VT_UNKNOWN;
    forms[2].punkVal = control.get();
    forms[3].vt = VT_UNKNOWN | VT_BYREF;
    forms[3].ppunkVal = &asUnknown;
    forms[4].vt = VT_VARIANT | VT_BYREF;
    forms[4].pvarVal = &inner;
    for (VARIANT& form : forms) {
        SCOPED_TRACE(form.vt);
        const CallbackResult result = invokeMember(addin.get(), 0x60030004, DISPATCH_METHOD, &form, 1);
        EXPECT_EQ(S_OK, result.hr);
        EXPECT_EQ(VT_BOOL, result.type);
        EXPECT_EQ(VARIANT_TRUE, result.boolean);
        EXPECT_EQ(1u, referencesOf(control.get()));
    }
    EXPECT_EQ(asDispatch, control.get()) << "the caller's variable was written";
}

TEST_F(Dispatch, WrongArgumentsAreTypeMismatchesAtTheirIndex) {
    VARIANT number;
    number.vt = VT_I4;
    number.lVal = 3;
    CallbackResult result = invokeMember(addin.get(), 0x60030003, DISPATCH_METHOD, &number, 1);
    EXPECT_EQ(DISP_E_TYPEMISMATCH, result.hr);
    EXPECT_EQ(0u, result.argError);
    // An object that is not a ribbon control.
    VARIANT notAControl;
    notAControl.vt = VT_DISPATCH;
    notAControl.pdispVal = ribbonUi.get();
    result = invokeMember(addin.get(), 0x60030008, DISPATCH_METHOD, &notAControl, 1);
    EXPECT_EQ(DISP_E_TYPEMISMATCH, result.hr);
    EXPECT_EQ(0u, result.argError);
    EXPECT_EQ(1u, referencesOf(ribbonUi.get()));
}

// A by-reference form that refers to no variable is malformed: every member
// that takes an object refuses it the same way, and nothing happens (no
// dialog, no ribbon object kept). A plain null object stays accepted by the
// members that do not read it.
TEST_F(Dispatch, EveryMemberRefusesAReferenceToNothingAlike) {
    ASSERT_EQ(S_OK, connect());
    VARIANT forms[3];
    forms[0].vt = VT_DISPATCH | VT_BYREF;
    forms[0].ppdispVal = nullptr;
    forms[1].vt = VT_UNKNOWN | VT_BYREF;
    forms[1].ppunkVal = nullptr;
    forms[2].vt = VT_VARIANT | VT_BYREF;
    forms[2].pvarVal = nullptr;
    const std::vector<Member> members = typeLibraryMembers(addin.get());
    ASSERT_EQ(9u, members.size());
    for (const Member& member : members) {
        // Every member but GetRibbonXML takes the ribbon or a control.
        if (member.name == L"GetRibbonXML") continue;
        for (VARIANT& form : forms) {
            SCOPED_TRACE(testing::Message() << testing::PrintToString(std::wstring(member.name)) << " vt " << form.vt);
            bool dialogShown = false;
            std::atomic<bool> returned{false};
            CallbackResult result;
            hostsim::showWhile(
                [&] {
                    result = invokeMember(addin.get(), member.id, DISPATCH_METHOD, &form, 1);
                    returned = true;
                    return result.hr;
                },
                [&] {
                    // Either the call returns or a dialog appears, which is then closed.
                    hostsim::waitUntil([&] { return returned || FindWindowW(L"#32770", nullptr) != nullptr; });
                    if (HWND dialog = FindWindowW(L"#32770", nullptr)) {
                        dialogShown = true;
                        PostMessageW(dialog, WM_CLOSE, 0, 0);
                    }
                });
            EXPECT_EQ(DISP_E_TYPEMISMATCH, result.hr);
            EXPECT_EQ(0u, result.argError);
            EXPECT_EQ(VT_EMPTY, result.type);
            EXPECT_FALSE(dialogShown);
        }
    }
    // onLoad kept nothing: an event finds no ribbon to refresh.
    EXPECT_EQ(S_OK, excel->raiseWorkbookOpen());
    EXPECT_TRUE(ribbonUi->calls.empty());

    // A plain null ribbon is no failure of onLoad, and keeps nothing either.
    VARIANT noRibbon;
    noRibbon.vt = VT_DISPATCH;
    noRibbon.pdispVal = nullptr;
    EXPECT_EQ(S_OK, invokeMember(addin.get(), 0x60030002, DISPATCH_METHOD, &noRibbon, 1).hr);
    EXPECT_EQ(S_OK, excel->raiseWorkbookOpen());
    EXPECT_TRUE(ribbonUi->calls.empty());
}

TEST_F(Dispatch, VtableCallersOfTheActionsMustGiveAVariable) {
    ComPtr<_Connect> connectInterface;
    ASSERT_EQ(S_OK, addin->QueryInterface(IID__Connect, connectInterface.putVoid()));
    EXPECT_EQ(E_POINTER, connectInterface->rxcustomUI_onLoad(nullptr));
    EXPECT_EQ(E_POINTER, connectInterface->AboutMenu(nullptr));
    EXPECT_EQ(E_POINTER, connectInterface->CustomMenu(nullptr));
    EXPECT_EQ(E_POINTER, connectInterface->OpenFile(nullptr));
    const auto error = takeThreadError();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(L"Korvanta", error->source);
    // A variable holding no ribbon is accepted and keeps nothing.
    IRibbonUI* none = nullptr;
    EXPECT_EQ(S_OK, connectInterface->rxcustomUI_onLoad(&none));
}

TEST_F(Dispatch, OnlyMethodCallsWithNoInterfaceAnswer) {
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, invokeMember(addin.get(), 0x60030001, DISPATCH_PROPERTYPUT, nullptr, 0).hr);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(DISP_E_UNKNOWNINTERFACE,
              addin->Invoke(0x60030001, IID_IRibbonUI, 1033, DISPATCH_METHOD, &none, &result, nullptr, nullptr));
    // Visual Basic asks for a method's value with both flags.
    const CallbackResult both = invokeMember(addin.get(), 0x60030001, DISPATCH_METHOD | DISPATCH_PROPERTYGET, nullptr, 0);
    EXPECT_EQ(S_OK, both.hr);
    EXPECT_EQ(VT_BSTR, both.type);
}

TEST_F(Dispatch, AFailingCallbackIsAnExceptionFromKorvanta) {
    ComPtr<hostsim::FakeRibbonControl> control = hostsim::makeControl(L"TabHome", L"一");
    control->tagFailure = E_ACCESSDENIED;
    const CallbackResult result = hostsim::callCallback(addin.get(), L"GetVisibleI", control.get());
    EXPECT_EQ(DISP_E_EXCEPTION, result.hr);
    EXPECT_EQ(E_ACCESSDENIED, result.scode);
    EXPECT_EQ(L"Korvanta", result.source);
    EXPECT_FALSE(result.description.empty());
    EXPECT_EQ(VT_EMPTY, result.type);
    EXPECT_EQ(1u, referencesOf(control.get()));
}

TEST_F(Dispatch, VtableCallersGetTheFailureWithErrorInformation) {
    ComPtr<_Connect> connect;
    ASSERT_EQ(S_OK, addin->QueryInterface(IID__Connect, connect.putVoid()));
    ComPtr<hostsim::FakeRibbonControl> control = hostsim::makeControl(L"AboutMe");
    control->idFailure = E_ACCESSDENIED;
    SetErrorInfo(0, nullptr);
    BSTR label = reinterpret_cast<BSTR>(1);
    EXPECT_EQ(E_ACCESSDENIED, connect->GetLabel(control.get(), &label));
    EXPECT_EQ(nullptr, label);
    ComPtr<ISupportErrorInfo> supports;
    ASSERT_EQ(S_OK, addin->QueryInterface(IID_ISupportErrorInfo, supports.putVoid()));
    EXPECT_EQ(S_OK, supports->InterfaceSupportsErrorInfo(IID__Connect));
    EXPECT_EQ(S_FALSE, supports->InterfaceSupportsErrorInfo(IID_IRibbonUI));
    const auto error = takeThreadError();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(L"Korvanta", error->source);
    EXPECT_TRUE(IsEqualGUID(IID__Connect, error->iid));
}

TEST_F(Dispatch, TheOtherInterfacesAnswerTheirOwnMembers) {
    ComPtr<IRibbonExtensibility> ribbonExtensibility;
    ASSERT_EQ(S_OK, addin->QueryInterface(IID_IRibbonExtensibility, ribbonExtensibility.putVoid()));
    EXPECT_EQ(1, idOf(ribbonExtensibility.get(), L"GetCustomUI"));
    VARIANT ribbonId;
    ribbonId.vt = VT_BSTR;
    ribbonId.bstrVal = SysAllocString(L"Microsoft.Excel.Workbook");
    const CallbackResult document = invokeMember(ribbonExtensibility.get(), 1, DISPATCH_METHOD, &ribbonId, 1);
    SysFreeString(ribbonId.bstrVal);
    EXPECT_EQ(S_OK, document.hr);
    EXPECT_EQ(hostsim::callCallback(addin.get(), L"GetRibbonXML", nullptr).text, document.text);

    EXPECT_EQ(1, idOf(extensibility.get(), L"OnConnection"));
    EXPECT_EQ(2, idOf(extensibility.get(), L"ondisconnection"));
    VARIANT arguments[4];
    arguments[3].vt = VT_DISPATCH;
    arguments[3].pdispVal = excel.get();
    arguments[2].vt = VT_I4;
    arguments[2].lVal = ext_cm_Startup;
    arguments[1].vt = VT_DISPATCH;
    arguments[1].pdispVal = nullptr;
    arguments[0].vt = VT_ERROR;
    arguments[0].scode = DISP_E_PARAMNOTFOUND;
    EXPECT_EQ(S_OK, invokeMember(extensibility.get(), 1, DISPATCH_METHOD, arguments, 4).hr);
    EXPECT_TRUE(excel->hasSubscriber());
    // A host that is not Excel: an exception carrying E_NOINTERFACE.
    arguments[3].pdispVal = ribbonUi.get();
    const CallbackResult refused = invokeMember(extensibility.get(), 1, DISPATCH_METHOD, arguments, 4);
    EXPECT_EQ(DISP_E_EXCEPTION, refused.hr);
    EXPECT_EQ(E_NOINTERFACE, refused.scode);
}

TEST_F(Dispatch, GetCustomUIIgnoresTheRibbonIdAndMatchesGetRibbonXML) {
    ComPtr<IRibbonExtensibility> ribbonExtensibility;
    ASSERT_EQ(S_OK, addin->QueryInterface(IID_IRibbonExtensibility, ribbonExtensibility.putVoid()));
    const std::wstring viaDispatch = hostsim::callCallback(addin.get(), L"GetRibbonXML", nullptr).text;
    ASSERT_FALSE(viaDispatch.empty());
    for (const wchar_t* id : {L"Microsoft.Excel.Workbook", L"", L"anything"}) {
        Bstr ribbonId = Bstr::copyOf(id);
        Bstr document;
        EXPECT_EQ(S_OK, ribbonExtensibility->GetCustomUI(ribbonId.get(), document.put()));
        EXPECT_EQ(viaDispatch, document.view());
    }
    Bstr fromNull;
    EXPECT_EQ(S_OK, ribbonExtensibility->GetCustomUI(nullptr, fromNull.put()));
    EXPECT_EQ(viaDispatch, fromNull.view());
    EXPECT_EQ(E_POINTER, ribbonExtensibility->GetCustomUI(nullptr, nullptr));
}

}  // namespace

namespace {

// With Office's object library registered (here its stand-in, same LIBID and
// version), the type library's callback parameters resolve to Office's own
// IRibbonUI and IRibbonControl, and dispatch answers exactly as without it.
class WithOfficeLibrary : public AddinInExcel {
protected:
    void SetUp() override {
        AddinInExcel::SetUp();
        const std::wstring path = winePath(KORVANTA_OFFICE_TLB_UNIX_PATH);
        ASSERT_EQ(S_OK, LoadTypeLibEx(path.c_str(), REGKIND_REGISTER, m_office.put()));
    }
    void TearDown() override {
        UnRegisterTypeLib(LIBID_OfficeObjects, 2, 4, 0, SYS_WIN32);
        UnRegisterTypeLib(LIBID_OfficeObjects, 2, 4, 0, SYS_WIN64);
        m_office.reset();
        AddinInExcel::TearDown();
    }
    ComPtr<ITypeLib> m_office;
};

std::wstring parameterTypeName(ITypeInfo* info, const FUNCDESC& function) {
    // [in] IRibbonControl* or [in, out] IRibbonControl**: pointers down to the user-defined type.
    const TYPEDESC* type = &function.lprgelemdescParam[0].tdesc;
    while (type->vt == VT_PTR) type = type->lptdesc;
    if (type->vt != VT_USERDEFINED) return L"<not user-defined>";
    ComPtr<ITypeInfo> referenced;
    if (FAILED(info->GetRefTypeInfo(type->hreftype, referenced.put()))) return L"<unresolved>";
    Bstr name;
    referenced->GetDocumentation(MEMBERID_NIL, name.put(), nullptr, nullptr, nullptr);
    ComPtr<ITypeLib> library;
    UINT index = 0;
    referenced->GetContainingTypeLib(library.put(), &index);
    TLIBATTR* attributes = nullptr;
    library->GetLibAttr(&attributes);
    const bool office = IsEqualGUID(attributes->guid, LIBID_OfficeObjects) && attributes->wMajorVerNum == 2 &&
                        attributes->wMinorVerNum == 4;
    library->ReleaseTLibAttr(attributes);
    return std::wstring(name.view()) + (office ? L" (Office 2.4)" : L" (elsewhere)");
}

TEST_F(WithOfficeLibrary, CallbackParametersAreOfficesInterfaces) {
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(S_OK, addin->GetTypeInfo(0, 1033, info.put()));
    // The interface view, where [in, out] parameters keep their double pointer.
    HREFTYPE interfaceView = 0;
    ASSERT_EQ(S_OK, info->GetRefTypeOfImplType(-1, &interfaceView));
    ComPtr<ITypeInfo> vtable;
    ASSERT_EQ(S_OK, info->GetRefTypeInfo(interfaceView, vtable.put()));
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(S_OK, vtable->GetTypeAttr(&attributes));
    const WORD functions = attributes->cFuncs;
    vtable->ReleaseTypeAttr(attributes);
    ASSERT_EQ(9, functions);
    const wchar_t* expected[] = {nullptr, L"IRibbonUI (Office 2.4)"};
    for (WORD i = 0; i < functions; ++i) {
        FUNCDESC* function = nullptr;
        ASSERT_EQ(S_OK, vtable->GetFuncDesc(i, &function));
        if (i == 0) {
            EXPECT_EQ(1, function->cParams) << "GetRibbonXML has only its result";
        } else {
            EXPECT_EQ(i == 1 ? std::wstring(expected[1]) : std::wstring(L"IRibbonControl (Office 2.4)"),
                      parameterTypeName(vtable.get(), *function))
                << "member " << i;
            const USHORT flags = function->lprgelemdescParam[0].paramdesc.wParamFlags;
            // GetLabel and rxKorvanta_get take the control by value, the others by reference.
            EXPECT_EQ(i >= 7 ? PARAMFLAG_FIN : (PARAMFLAG_FIN | PARAMFLAG_FOUT), flags & (PARAMFLAG_FIN | PARAMFLAG_FOUT))
                << "member " << i;
        }
        vtable->ReleaseFuncDesc(function);
    }
}

TEST_F(WithOfficeLibrary, DispatchAnswersTheSame) {
    ASSERT_EQ(S_OK, connect());
    ComPtr<hostsim::FakeRibbonControl> control = hostsim::makeControl(L"TabHome");
    const CallbackResult result = hostsim::callCallback(addin.get(), L"GetVisibleII", control.get());
    EXPECT_EQ(S_OK, result.hr);
    EXPECT_EQ(VARIANT_TRUE, result.boolean);
    EXPECT_EQ(1u, referencesOf(control.get()));
}

}  // namespace
