// GetVisibleI, GetVisibleII and GetLabel as Office calls them.
#include "ribbon/ribbon_callbacks.h"

#include "tests/support/addin_in_excel.h"

namespace {

using hostsim::makeControl;
using korvanta_test::AddinInEachExcel;

constexpr const wchar_t* kTabs[] = {L"TabHome", L"TabInsert", L"TabPageLayoutExcel", L"TabFormulas",
                                    L"TabData", L"TabReview", L"TabView", L"TabDeveloper"};

class RibbonCallbacks : public AddinInEachExcel {
protected:
    void expectVisible(const wchar_t* callback, const wchar_t* id, const wchar_t* tag, VARIANT_BOOL expected) {
        const ComPtr<hostsim::FakeRibbonControl> control = makeControl(id, tag);
        const hostsim::CallbackResult result = call(callback, control.get());
        EXPECT_EQ(S_OK, result.hr) << callback;
        EXPECT_EQ(VT_BOOL, result.type) << callback;
        EXPECT_EQ(expected, result.boolean) << callback << " id " << testing::PrintToString(std::wstring(id))
                                            << " tag " << testing::PrintToString(std::wstring(tag));
        // One read of the one property the callback answers by.
        const bool byTag = std::wstring(callback) == L"GetVisibleI";
        EXPECT_EQ(control->tagReads, byTag ? 1 : 0);
        EXPECT_EQ(control->idReads, byTag ? 0 : 1);
    }
};

KORVANTA_FOR_EACH_EXCEL(RibbonCallbacks);

TEST_P(RibbonCallbacks, VisibilityTagsFollowTheirSettings) {
    storeSetting(L"ShowAllMenu", L"0");
    connectAndClearCalls();
    expectVisible(L"GetVisibleI", L"rxMenu_quanbu", L"一", VARIANT_FALSE);
    expectVisible(L"GetVisibleI", L"rxlable9", L"一", VARIANT_FALSE);
    expectVisible(L"GetVisibleI", L"RecentFile1", L"二", VARIANT_TRUE);
}

TEST_P(RibbonCallbacks, RecentFilesHiddenLeavesTheCombinedMenu) {
    storeSetting(L"ShowRecentFiles", L"0");
    connectAndClearCalls();
    expectVisible(L"GetVisibleI", L"RecentFile1", L"二", VARIANT_FALSE);
    expectVisible(L"GetVisibleI", L"RecentFile3", L"二", VARIANT_FALSE);
    expectVisible(L"GetVisibleI", L"rxMenu_quanbu", L"一", VARIANT_TRUE);
}

TEST_P(RibbonCallbacks, OtherTagsAreNeverVisible) {
    connectAndClearCalls();
    for (const wchar_t* tag : {L"File", L"", L"一 ", L" 二", L"三", L"TabHome", L"ShowAllMenu"}) {
        expectVisible(L"GetVisibleI", L"rxMenu_quanbu", tag, VARIANT_FALSE);
    }
    // The id makes no difference to GetVisibleI.
    expectVisible(L"GetVisibleI", L"TabHome", L"二", VARIANT_TRUE);
}

TEST_P(RibbonCallbacks, EachTabFollowsItsOwnSettingOrItsPolicy) {
    using korvanta_test::dwordBytes;
    storeSetting(L"TabHome", L"0");
    storeSetting(L"TabView", L"false");  // only "0" hides
    storeSetting(L"TabDeveloper", L"0");
    // An administrator's preset as a number, and a machine policy over the user's "1".
    korvanta_test::writeRaw(HKEY_CURRENT_USER, korvanta_test::kSettingsKey, L"TabData", REG_DWORD, dwordBytes(0));
    storeSetting(L"TabReview", L"1");
    korvanta_test::writeRaw(HKEY_LOCAL_MACHINE, korvanta_test::kPolicyKey, L"TabReview", REG_DWORD, dwordBytes(0));
    connectAndClearCalls();
    for (const wchar_t* tab : kTabs) {
        const std::wstring name = tab;
        const bool hidden = name == L"TabHome" || name == L"TabDeveloper" || name == L"TabData" || name == L"TabReview";
        expectVisible(L"GetVisibleII", tab, L"", hidden ? VARIANT_FALSE : VARIANT_TRUE);
    }
    // The start leaves the preset as it was.
    EXPECT_EQ((std::make_pair(DWORD{REG_DWORD}, dwordBytes(0))),
              korvanta_test::readRaw(HKEY_CURRENT_USER, korvanta_test::kSettingsKey, L"TabData"));
}

TEST_P(RibbonCallbacks, OtherIdsAreNeverVisibleTabs) {
    connectAndClearCalls();
    for (const wchar_t* id : {L"tabhome", L"TABHOME", L"TabHome ", L" TabHome", L"", L"rxWordVBA", L"TabAddIns",
                              L"ShowAllMenu"}) {
        expectVisible(L"GetVisibleII", id, L"", VARIANT_FALSE);
    }
    // The tag makes no difference to GetVisibleII.
    expectVisible(L"GetVisibleII", L"TabData", L"一", VARIANT_TRUE);
}

TEST_P(RibbonCallbacks, LabelsByIdAndEmptyOtherwise) {
    connectAndClearCalls();
    const struct {
        const wchar_t* id;
        const wchar_t* label;
    } rows[] = {{L"RXcharumingcheng", L"名称(&N)"}, {L"RXhang", L"行(&R)"},
                {L"RXdaorushuju", L"导入外部数据(&D)"}, {L"AboutMe", L"关于Korvanta(&A)"},
                {L"Dizhi", L""},  {L"aboutme", L""}, {L"AboutMe ", L""}, {L"", L""}};
    for (const auto& row : rows) {
        const ComPtr<hostsim::FakeRibbonControl> control = makeControl(row.id, L"一");
        const hostsim::CallbackResult result = call(L"GetLabel", control.get());
        EXPECT_EQ(S_OK, result.hr);
        EXPECT_EQ(VT_BSTR, result.type);
        EXPECT_EQ(result.text, row.label);
        EXPECT_EQ(1, control->idReads);
        EXPECT_EQ(0, control->tagReads);
    }
}

TEST_P(RibbonCallbacks, FailedPropertyReadsAreReturned) {
    connectAndClearCalls();
    const HRESULT failure = HRESULT_FROM_WIN32(ERROR_INVALID_STATE);
    ComPtr<hostsim::FakeRibbonControl> control = makeControl(L"TabHome", L"一");
    control->tagFailure = failure;
    control->idFailure = E_ACCESSDENIED;
    expectFailure(call(L"GetVisibleI", control.get()), failure);
    expectFailure(call(L"GetVisibleII", control.get()), E_ACCESSDENIED);
    expectFailure(call(L"GetLabel", control.get()), E_ACCESSDENIED);
}

TEST_P(RibbonCallbacks, VtableCallersGetTheFailureErrorInfoAndEmptyAnswers) {
    connectAndClearCalls();
    ComPtr<hostsim::FakeRibbonControl> control = makeControl(L"AboutMe", L"一");
    control->idFailure = E_ACCESSDENIED;
    IRibbonControl* argument = control.get();
    VARIANT_BOOL visible = VARIANT_TRUE;
    EXPECT_EQ(E_ACCESSDENIED, callbacks->GetVisibleII(&argument, &visible));
    EXPECT_EQ(VARIANT_FALSE, visible);
    const auto error = korvanta_test::takeThreadError().value_or(korvanta_test::ThreadError{});
    const GUID& iid = error.iid;
    const std::wstring& description = error.description;
    EXPECT_EQ(iid, IID__Connect);
    EXPECT_FALSE(description.empty());
    BSTR label = SysAllocString(L"stale");
    BSTR stale = label;
    EXPECT_EQ(E_ACCESSDENIED, callbacks->GetLabel(argument, &label));
    EXPECT_EQ(nullptr, label);
    SysFreeString(stale);
    EXPECT_EQ(argument, control.get());  // an [in, out] control is never written
    EXPECT_EQ(1u, korvanta_test::referencesOf(control.get()));
}

TEST_P(RibbonCallbacks, NullArgumentsAreRefused) {
    connectAndClearCalls();
    ComPtr<hostsim::FakeRibbonControl> control = makeControl(L"TabHome", L"一");
    IRibbonControl* argument = control.get();
    IRibbonControl* none = nullptr;
    VARIANT_BOOL visible = VARIANT_TRUE;
    EXPECT_EQ(E_POINTER, callbacks->GetVisibleI(&argument, nullptr));
    EXPECT_EQ(E_POINTER, callbacks->GetVisibleI(&none, &visible));
    EXPECT_EQ(VARIANT_FALSE, visible);
    visible = VARIANT_TRUE;
    EXPECT_EQ(E_POINTER, callbacks->GetVisibleII(nullptr, &visible));
    EXPECT_EQ(VARIANT_FALSE, visible);
    BSTR label = nullptr;
    EXPECT_EQ(E_POINTER, callbacks->GetLabel(argument, nullptr));
    EXPECT_EQ(E_POINTER, callbacks->GetLabel(nullptr, &label));
    EXPECT_EQ(nullptr, label);
    EXPECT_EQ(0, control->idReads + control->tagReads);
    // Office passing a null object: refused with an exception, not a crash.
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR name = const_cast<LPOLESTR>(L"GetVisibleI");
    ASSERT_EQ(S_OK, addin->GetIDsOfNames(IID_NULL, &name, 1, 1033, &id));
    VARIANT nullControl;
    nullControl.vt = VT_DISPATCH;
    nullControl.pdispVal = nullptr;
    expectFailure(hostsim::invokeMember(addin.get(), id, DISPATCH_METHOD, &nullControl, 1), E_POINTER);
}

}  // namespace
