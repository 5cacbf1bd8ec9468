// Which Excel window owns the dialogs when two Excel processes show main
// windows with the same title: always the one of the process the add-in runs
// in, whichever of the two the system lists first.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "hostsim/dialog_user.h"
#include "hostsim/fake_excel.h"
#include "hostsim/fake_office.h"
#include "hostsim/office_caller.h"
#include "tests/support/korvanta_test.h"

using namespace korvanta_test;

namespace {

// A second Excel process, other_excel.exe, owning a main window titled `title`.
class OtherExcel {
public:
    explicit OtherExcel(const std::wstring& title) {
        const std::wstring suffix = std::to_wstring(GetCurrentProcessId());
        const std::wstring readyName = L"korvanta-other-excel-ready-" + suffix;
        const std::wstring quitName = L"korvanta-other-excel-quit-" + suffix;
        m_ready = CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
        m_quit = CreateEventW(nullptr, TRUE, FALSE, quitName.c_str());
        std::wstring commandLine = L"\"" + winePath(KORVANTA_OTHER_EXCEL_UNIX_PATH) + L"\" \"" + title + L"\" " +
                                   readyName + L" " + quitName;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &m_process)) {
            ADD_FAILURE() << "other_excel.exe could not be started: " << GetLastError();
            return;
        }
        const HANDLE waits[] = {m_ready, m_process.hProcess};
        if (WaitForMultipleObjects(2, waits, FALSE, 10000) != WAIT_OBJECT_0) {
            ADD_FAILURE() << "other_excel.exe did not show its window";
        }
    }
    ~OtherExcel() {
        SetEvent(m_quit);
        if (m_process.hProcess) {
            DWORD exitCode = 1;
            EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(m_process.hProcess, 10000));
            GetExitCodeProcess(m_process.hProcess, &exitCode);
            EXPECT_EQ(0u, exitCode);
            CloseHandle(m_process.hProcess);
            CloseHandle(m_process.hThread);
        }
        CloseHandle(m_ready);
        CloseHandle(m_quit);
    }
    OtherExcel(const OtherExcel&) = delete;
    OtherExcel& operator=(const OtherExcel&) = delete;

    DWORD processId() const { return m_process.dwProcessId; }

    // Its main window: the XLMAIN window titled `title` that belongs to it.
    HWND window(const std::wstring& title) const {
        for (HWND found = nullptr; (found = FindWindowExW(nullptr, found, L"XLMAIN", title.c_str()));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == m_process.dwProcessId) return found;
        }
        return nullptr;
    }

private:
    HANDLE m_ready = nullptr;
    HANDLE m_quit = nullptr;
    PROCESS_INFORMATION m_process{};
};

class TwoExcels : public KorvantaTest {
protected:
    void SetUp() override {
        KorvantaTest::SetUp();
        m_excel.attach(new hostsim::FakeExcelApplication());
        m_addin = createAddin();
        ASSERT_TRUE(m_addin);
        ASSERT_EQ(S_OK, m_addin.query(m_extensibility));
    }
    void TearDown() override {
        m_extensibility.reset();
        m_addin.reset();
        KorvantaTest::TearDown();
    }
    void connect() { ASSERT_EQ(S_OK, m_extensibility->OnConnection(m_excel.get(), ext_cm_Startup, nullptr, nullptr)); }

    // Shows the About dialog and reports, while it is shown, its owner and
    // which of the two main windows are enabled.
    struct WhileShown {
        HWND owner = nullptr;
        bool ownEnabled = true;
        bool otherEnabled = true;
    };
    WhileShown showAbout(HWND own, HWND other) {
        WhileShown seen;
        const HRESULT hr = hostsim::showWhile(
            [&] { return hostsim::callCallback(m_addin.get(), L"AboutMenu", hostsim::makeControl(L"AboutMe").get()).hr; },
            [&] {
                const HWND dialog = hostsim::waitForDialog(L"关于Korvanta");
                if (!dialog) return;
                seen.owner = GetWindow(dialog, GW_OWNER);
                seen.ownEnabled = own ? IsWindowEnabled(own) != FALSE : false;
                seen.otherEnabled = IsWindowEnabled(other) != FALSE;
                hostsim::pressKey(dialog, VK_ESCAPE);
            });
        EXPECT_EQ(S_OK, hr);
        return seen;
    }

    ComPtr<hostsim::FakeExcelApplication> m_excel;
    ComPtr<IDispatch> m_addin;
    ComPtr<_IDTExtensibility2> m_extensibility;
};

TEST_F(TwoExcels, TheDialogsBelongToOurOwnExcelEvenWhenTheOtherIsFoundFirst) {
    const HWND own = m_excel->showMainWindow(m_excel->caption);
    ASSERT_TRUE(own);
    ShowWindow(own, SW_SHOWNORMAL);
    const OtherExcel other(m_excel->caption);
    const HWND otherWindow = other.window(m_excel->caption);
    ASSERT_TRUE(otherWindow);
    // The situation that matters: a plain search by class and title lands on
    // the other process's window.
    ASSERT_EQ(otherWindow, FindWindowA("XLMAIN", "Microsoft Excel - Book1"));

    connect();
    const WhileShown seen = showAbout(own, otherWindow);
    EXPECT_EQ(own, seen.owner);
    EXPECT_FALSE(seen.ownEnabled) << "our Excel stays usable behind a modal dialog";
    EXPECT_TRUE(seen.otherEnabled) << "the other Excel was disabled";
    EXPECT_TRUE(IsWindowEnabled(own));
    EXPECT_TRUE(IsWindowEnabled(otherWindow));
    // Closing the dialog hands activation back to its owner: our Excel.
    EXPECT_EQ(own, GetActiveWindow());
}

TEST_F(TwoExcels, OnlyTheOtherProcessHasTheWindowSoTheDialogsHaveNoExcelOwner) {
    const OtherExcel other(m_excel->caption);
    const HWND otherWindow = other.window(m_excel->caption);
    ASSERT_TRUE(otherWindow);
    // Not even when Excel's Hwnd names it.
    m_excel->hwnd = otherWindow;

    connect();
    const WhileShown seen = showAbout(nullptr, otherWindow);
    EXPECT_NE(otherWindow, seen.owner);
    EXPECT_TRUE(seen.otherEnabled) << "the other Excel was disabled";
    EXPECT_TRUE(IsWindowEnabled(otherWindow));
}

}  // namespace
