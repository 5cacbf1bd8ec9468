// The add-in in a fake Excel, as Office and Excel meet it: created by ProgID
// from the registered DLL, connected to a simulated Excel, its callbacks called
// by name with fake ribbon controls. Every callback is checked to leave the
// reference counts of the objects it was given as it found them, and at the
// end Excel holds nothing of the add-in's nor the add-in anything of Excel's.
// AddinInEachExcel runs a suite once as Excel 2007 and once as Excel 2013 to
// Microsoft 365 meet the add-in.
#pragma once
#include <ostream>
#include <string>

#include "hostsim/fake_excel.h"
#include "hostsim/fake_office.h"
#include "hostsim/office_caller.h"
#include "tests/support/korvanta_test.h"

namespace hostsim {
// gtest names the Excel a test runs as.
inline void PrintTo(ExcelPersona persona, std::ostream* out) { *out << nameOf(persona); }
}  // namespace hostsim

namespace korvanta_test {

class AddinInExcel : public KorvantaTest {
protected:
    virtual hostsim::ExcelPersona persona() const { return hostsim::ExcelPersona::Excel2007; }

    void SetUp() override {
        KorvantaTest::SetUp();
        excel.attach(new hostsim::FakeExcelApplication(persona()));
        ribbonUi.attach(new hostsim::FakeRibbonUI());
        addin = createAddin();
        ASSERT_TRUE(addin) << "Korvanta.Connect could not be created";
        ASSERT_EQ(S_OK, addin.query(extensibility));
        ASSERT_EQ(S_OK, addin.query(callbacks));
    }

    void TearDown() override {
        if (m_connected && extensibility) {
            EXPECT_EQ(S_OK, disconnect());
        }
        releaseAddin();
        EXPECT_EQ(1u, referencesOf(excel.get()));
        EXPECT_EQ(0, hostsim::FakeExcelApplication::liveChildren());
        excel.reset();
        KorvantaTest::TearDown();
    }

    // OnConnection as Excel calls it at start-up; a connected add-in is
    // disconnected at the end of the test.
    HRESULT connect(IDispatch* application) {
        SAFEARRAY* custom = nullptr;
        const HRESULT hr = extensibility->OnConnection(application, ext_cm_Startup, nullptr, &custom);
        m_connected = m_connected || SUCCEEDED(hr);
        return hr;
    }
    HRESULT connect() { return connect(excel.get()); }
    // Connects to the fake Excel and forgets the calls that made, so that a
    // test sees only those of its own callbacks.
    void connectAndClearCalls(const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
        testing::ScopedTrace caller(file, line, "connectAndClearCalls");
        ASSERT_EQ(S_OK, connect());
        excel->calls.clear();
    }
    HRESULT disconnect() {
        m_connected = false;
        SAFEARRAY* custom = nullptr;
        return extensibility->OnDisconnection(ext_dm_HostShutdown, &custom);
    }
    hostsim::CallbackResult onLoad(IRibbonUI* ribbon) {
        return hostsim::callCallback(addin.get(), L"rxcustomUI_onLoad", ribbon);
    }
    hostsim::CallbackResult onLoad() { return onLoad(ribbonUi.get()); }

    // Releases the add-in as Excel does when it exits.
    void releaseAddin() {
        callbacks.reset();
        extensibility.reset();
        addin.reset();
    }

    // Stores a setting as the customisation dialog would, before connecting.
    static void storeSetting(const wchar_t* name, const wchar_t* text) {
        const std::wstring value(text);
        writeRaw(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ,
                 std::string(reinterpret_cast<const char*>(value.c_str()), (value.size() + 1) * sizeof(wchar_t)));
    }

    // Calls a callback as Office does and checks that the control's and
    // Excel's reference counts and Excel's live objects are back where they
    // started. A failed check is reported with the calling test's line.
    hostsim::CallbackResult call(const wchar_t* callback, hostsim::FakeRibbonControl* control,
                                 const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
        testing::ScopedTrace caller(file, line, testing::PrintToString(std::wstring(callback)));
        const ULONG controlReferences = control ? referencesOf(control) : 0;
        const ULONG excelReferences = referencesOf(excel.get());
        hostsim::CallbackResult result = hostsim::callCallback(addin.get(), callback, control);
        if (control) {
            EXPECT_EQ(controlReferences, referencesOf(control));
        }
        EXPECT_EQ(excelReferences, referencesOf(excel.get()));
        EXPECT_EQ(0, hostsim::FakeExcelApplication::liveChildren());
        return result;
    }

    hostsim::CallbackResult callWith(const wchar_t* callback, const wchar_t* id, const wchar_t* tag,
                                     const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
        const ComPtr<hostsim::FakeRibbonControl> control = hostsim::makeControl(id, tag);
        return call(callback, control.get(), file, line);
    }

    // A failure as Office sees it: an exception carrying `hr` from Korvanta.
    static void expectFailure(const hostsim::CallbackResult& result, HRESULT hr, const char* file = __builtin_FILE(),
                              int line = __builtin_LINE()) {
        testing::ScopedTrace caller(file, line, "expectFailure");
        EXPECT_EQ(DISP_E_EXCEPTION, result.hr);
        EXPECT_EQ(hr, result.scode);
        EXPECT_EQ(L"Korvanta", result.source);
        EXPECT_FALSE(result.description.empty());
        EXPECT_EQ(VT_EMPTY, result.type);
    }

    ComPtr<hostsim::FakeExcelApplication> excel;
    ComPtr<hostsim::FakeRibbonUI> ribbonUi;
    ComPtr<IDispatch> addin;
    ComPtr<_IDTExtensibility2> extensibility;
    // _Connect, for the tests that call the callbacks through the vtable.
    ComPtr<_Connect> callbacks;

private:
    bool m_connected = false;
};

// The same fixture as each Excel: write the suite's tests with TEST_P and
// instantiate it with KORVANTA_FOR_EACH_EXCEL.
class AddinInEachExcel : public AddinInExcel, public testing::WithParamInterface<hostsim::ExcelPersona> {
protected:
    hostsim::ExcelPersona persona() const override { return GetParam(); }
};

inline std::string personaName(const testing::TestParamInfo<hostsim::ExcelPersona>& info) {
    return hostsim::nameOf(info.param);
}

#define KORVANTA_FOR_EACH_EXCEL(Suite)                                                                            \
    INSTANTIATE_TEST_SUITE_P(Each, Suite,                                                                        \
                             testing::Values(hostsim::ExcelPersona::Excel2007, hostsim::ExcelPersona::Excel365), \
                             korvanta_test::personaName)

}  // namespace korvanta_test
