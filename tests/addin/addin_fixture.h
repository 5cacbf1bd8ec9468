// A host for one add-in object: a simulated Excel, Office's ribbon, and the
// add-in as Excel creates it, with helpers to connect it the way Excel does.
#pragma once
#include "hostsim/fake_excel.h"
#include "hostsim/fake_office.h"
#include "hostsim/office_caller.h"
#include "tests/support/korvanta_test.h"

namespace korvanta_test {

class AddinHost : public KorvantaTest {
protected:
    void SetUp() override {
        KorvantaTest::SetUp();
        excel.attach(new hostsim::FakeExcelApplication());
        ribbonUi.attach(new hostsim::FakeRibbonUI());
        addin = createAddin();
        ASSERT_TRUE(addin) << "Korvanta.Connect could not be created";
        ASSERT_HRESULT_SUCCEEDED(addin->QueryInterface(IID__IDTExtensibility2, extensibility.putVoid()));
    }
    void TearDown() override {
        extensibility.reset();
        addin.reset();
        KorvantaTest::TearDown();
    }

    HRESULT connect(IDispatch* application) {
        return extensibility->OnConnection(application, ext_cm_Startup, nullptr, nullptr);
    }
    HRESULT connect() { return connect(excel.get()); }
    HRESULT disconnect() { return extensibility->OnDisconnection(ext_dm_HostShutdown, nullptr); }
    hostsim::CallbackResult onLoad(IRibbonUI* ribbon) { return hostsim::callCallback(addin.get(), L"rxcustomUI_onLoad", ribbon); }
    hostsim::CallbackResult onLoad() { return onLoad(ribbonUi.get()); }

    // Releases the add-in as Excel does when it exits.
    void releaseAddin() {
        extensibility.reset();
        addin.reset();
    }

    ComPtr<hostsim::FakeExcelApplication> excel;
    ComPtr<hostsim::FakeRibbonUI> ribbonUi;
    ComPtr<IDispatch> addin;
    ComPtr<_IDTExtensibility2> extensibility;
};

}  // namespace korvanta_test
