// The add-in as Office and Excel meet it: created by ProgID from the registered
// DLL, connected to a fake Excel, its callbacks called by name with fake ribbon
// controls. Every callback is checked to leave the reference counts of the
// objects it was given as it found them.
#pragma once
#include <string>

#include "hostsim/fake_excel.h"
#include "hostsim/fake_office.h"
#include "hostsim/office_caller.h"
#include "tests/support/korvanta_test.h"

namespace ribbon_test {

class RibbonComTest : public korvanta_test::KorvantaTest {
protected:
    void SetUp() override {
        KorvantaTest::SetUp();
        m_excel.attach(new hostsim::FakeExcelApplication());
        m_addin = korvanta_test::createAddin();
        ASSERT_TRUE(m_addin);
        ASSERT_TRUE(SUCCEEDED(m_addin.query(m_connect)));
    }

    void TearDown() override {
        if (m_connected) {
            ComPtr<_IDTExtensibility2> extensibility;
            ASSERT_EQ(S_OK, m_addin.query(extensibility));
            SAFEARRAY* custom = nullptr;
            EXPECT_EQ(S_OK, extensibility->OnDisconnection(ext_dm_HostShutdown, &custom));
        }
        m_connect.reset();
        m_addin.reset();
        EXPECT_EQ(korvanta_test::referencesOf(excel()), 1u);
        EXPECT_EQ(hostsim::FakeExcelApplication::liveChildren(), 0);
        m_excel.reset();
        KorvantaTest::TearDown();
    }

    // Stores a setting as the customisation dialog would, before connecting.
    static void storeSetting(const wchar_t* name, const wchar_t* text) {
        const std::wstring value(text);
        korvanta_test::writeRaw(HKEY_CURRENT_USER, korvanta_test::kSettingsKey, name, REG_SZ,
                                std::string(reinterpret_cast<const char*>(value.c_str()), (value.size() + 1) * sizeof(wchar_t)));
    }

    // OnConnection with the fake Excel: keeps it and loads the settings.
    void connect() {
        ComPtr<_IDTExtensibility2> extensibility;
        ASSERT_EQ(S_OK, m_addin.query(extensibility));
        SAFEARRAY* custom = nullptr;
        ASSERT_EQ(S_OK, extensibility->OnConnection(excel(), ext_cm_Startup, nullptr, &custom));
        m_connected = true;
        m_excel->calls.clear();
    }

    // Calls a callback as Office does and checks that the control's and
    // Excel's reference counts and Excel's live objects are back where they
    // started.
    hostsim::CallbackResult call(const wchar_t* callback, hostsim::FakeRibbonControl* control) {
        const ULONG controlReferences = control ? korvanta_test::referencesOf(control) : 0;
        const ULONG excelReferences = korvanta_test::referencesOf(excel());
        hostsim::CallbackResult result = hostsim::callCallback(m_addin.get(), callback, control);
        if (control) {
            EXPECT_EQ(korvanta_test::referencesOf(control), controlReferences) << callback;
        }
        EXPECT_EQ(korvanta_test::referencesOf(excel()), excelReferences) << callback;
        EXPECT_EQ(hostsim::FakeExcelApplication::liveChildren(), 0) << callback;
        return result;
    }

    hostsim::CallbackResult callWith(const wchar_t* callback, const wchar_t* id, const wchar_t* tag) {
        const ComPtr<hostsim::FakeRibbonControl> control = hostsim::makeControl(id, tag);
        return call(callback, control.get());
    }

    // A failure as Office sees it: an exception carrying `hr` from Korvanta.
    static void expectFailure(const hostsim::CallbackResult& result, HRESULT hr) {
        EXPECT_EQ(result.hr, DISP_E_EXCEPTION);
        EXPECT_EQ(result.scode, hr);
        EXPECT_EQ(result.source, L"Korvanta");
        EXPECT_FALSE(result.description.empty());
        EXPECT_EQ(result.type, VT_EMPTY);
    }

    IDispatch* excel() const { return m_excel.get(); }

    ComPtr<hostsim::FakeExcelApplication> m_excel;
    ComPtr<IDispatch> m_addin;
    ComPtr<_Connect> m_connect;
    bool m_connected = false;
};

}  // namespace ribbon_test
