// The error boundary of the add-in object's entries: what a vtable caller
// finds on the thread's error object after a failure, and that no C++
// exception gets past an entry.
#include "support/error_info.h"

#include <stdexcept>
#include <string>

#include "support/hresult.h"
#include "tests/support/korvanta_test.h"

using namespace korvanta_test;

namespace {

HRESULT readControl(bool present) {
    RETURN_HR_IF_MSG(E_POINTER, !present, L"No ribbon control was given");
    return S_OK;
}

HRESULT askHost(HRESULT hostAnswer) {
    RETURN_IF_FAILED_MSG(hostAnswer, L"Excel's caption could not be read");
    return S_FALSE;
}

class ErrorBoundary : public testing::Test {
protected:
    void SetUp() override { SetErrorInfo(0, nullptr); }
    void TearDown() override { SetErrorInfo(0, nullptr); }
};

TEST_F(ErrorBoundary, ADescribedFailureNamesTheInterfaceOfTheEntry) {
    EXPECT_EQ(E_ACCESSDENIED, comEntry(IID_IRibbonExtensibility, [] {
                  return reportFailure(E_ACCESSDENIED, L"The tag could not be read", L"the host's words");
              }));
    const std::optional<ThreadError> error = takeThreadError();
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(IsEqualGUID(IID_IRibbonExtensibility, error->iid));
    EXPECT_EQ(L"Korvanta", error->source);
    EXPECT_EQ(L"The tag could not be read: the host's words", error->description);
}

TEST_F(ErrorBoundary, TheOutermostEntryNamesTheInterface) {
    // GetCustomUI answers through GetRibbonXML: its caller came in through
    // IRibbonExtensibility, which is what the error object says.
    const HRESULT hr = comEntry(IID_IRibbonExtensibility, [] {
        return comEntry(IID__Connect, [] { return reportFailure(E_OUTOFMEMORY, L"Out of memory"); });
    });
    EXPECT_EQ(E_OUTOFMEMORY, hr);
    const std::optional<ThreadError> error = takeThreadError();
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(IsEqualGUID(IID_IRibbonExtensibility, error->iid));
    EXPECT_EQ(L"Out of memory", error->description);
}

TEST_F(ErrorBoundary, ExceptionsStopAtTheEntryAsFailures) {
    EXPECT_EQ(E_OUTOFMEMORY, comEntry(IID__Connect, []() -> HRESULT { throw std::bad_alloc(); }));
    std::optional<ThreadError> error = takeThreadError();
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(IsEqualGUID(IID__Connect, error->iid));
    EXPECT_EQ(L"Out of memory", error->description);

    EXPECT_EQ(E_UNEXPECTED, comEntry(IID__IDTExtensibility2, []() -> HRESULT { throw std::runtime_error("x"); }));
    error = takeThreadError();
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(IsEqualGUID(IID__IDTExtensibility2, error->iid));
    EXPECT_EQ(L"Korvanta", error->source);
    EXPECT_FALSE(error->description.empty());
}

TEST_F(ErrorBoundary, SuccessesPassUnchangedAndUndescribedFailuresGetTheirCode) {
    EXPECT_EQ(S_FALSE, comEntry(IID__Connect, [] { return S_FALSE; }));
    EXPECT_FALSE(takeThreadError().has_value());
    EXPECT_EQ(E_POINTER, comEntry(IID__Connect, [] { return E_POINTER; }));
    const std::optional<ThreadError> error = takeThreadError();
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(IsEqualGUID(IID__Connect, error->iid));
    EXPECT_EQ(L"Failed with 0x80004003", error->description);
}

TEST_F(ErrorBoundary, AnEarlierCallsErrorObjectIsNeverPassedOn) {
    // A failure described and never collected by its caller, then a failure
    // that nothing describes: the second must not carry the first's words.
    EXPECT_EQ(E_ACCESSDENIED, comEntry(IID__Connect, [] { return reportFailure(E_ACCESSDENIED, L"Earlier failure"); }));
    EXPECT_EQ(E_INVALIDARG, comEntry(IID_IRibbonExtensibility, [] { return E_INVALIDARG; }));
    const std::optional<ThreadError> error = takeThreadError();
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(IsEqualGUID(IID_IRibbonExtensibility, error->iid));
    EXPECT_EQ(L"Failed with 0x80070057", error->description);
}

TEST_F(ErrorBoundary, TheMacrosDescribeOnlyAFailure) {
    EXPECT_EQ(S_OK, readControl(true));
    EXPECT_EQ(S_FALSE, askHost(S_FALSE));
    EXPECT_FALSE(takeThreadError().has_value());

    EXPECT_EQ(E_POINTER, readControl(false));
    EXPECT_EQ(L"No ribbon control was given", takeThreadError().value_or(ThreadError{}).description);
    EXPECT_EQ(DISP_E_EXCEPTION, askHost(DISP_E_EXCEPTION));
    EXPECT_EQ(L"Excel's caption could not be read", takeThreadError().value_or(ThreadError{}).description);
}

TEST_F(ErrorBoundary, IDispatchCallersGetTheDescriptionAsAnException) {
    reportFailure(E_FAIL, L"The File menu could not be refreshed");
    nameFailingInterface(E_FAIL, IID_ExcelAppEvents, true);
    EXCEPINFO exception{};
    EXPECT_EQ(DISP_E_EXCEPTION, failureAsException(E_FAIL, &exception));
    EXPECT_EQ(E_FAIL, exception.scode);
    EXPECT_EQ(std::wstring(L"Korvanta"), exception.bstrSource);
    EXPECT_EQ(std::wstring(L"The File menu could not be refreshed"), exception.bstrDescription);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    EXPECT_EQ(E_FAIL, failureAsException(E_FAIL, nullptr));
}

}  // namespace
