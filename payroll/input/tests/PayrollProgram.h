// The payroll module in a small program for the tests of its forms, in the
// payroll workplace: this binary's fresh database with the demo staff and
// payroll, the configuration's scripts (the workplace "ПАЙМАР" chosen), the
// working month of today, the application object with an MDI main frame, and
// the three modules the payroll stands on started by their Init as the
// application core starts them. Test forms on the module's form base: one with
// every pair one form may carry ("PayBaseForm"), one with the economic code and
// the organisation ("PayEkrForm") and one with the personnel number and one
// other field only ("PayBareForm").
#pragma once
#include "CMyFormView1.h"
#include "MdiProgram.h"
#include "appcore.h"
#include "tests/LedgerScripts.h"

#include <DbReportRecorder.h>
#include <gtest/gtest.h>

#include <vector>

namespace paytest {

// While `commands` is set, the commands the form is sent are written there
// instead of run (what F3 and F4 send).
class CPayBaseForm : public npaymar::CMyFormView1 {
    DECLARE_DYNCREATE(CPayBaseForm)
public:
    CPayBaseForm();
    using CMyFormView1::m_memories;
    std::vector<int>* commands = nullptr;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

class CPayEkrForm : public npaymar::CMyFormView1 {
    DECLARE_DYNCREATE(CPayEkrForm)
public:
    CPayEkrForm();
    std::vector<int>* commands = nullptr;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

class CPayBareForm : public npaymar::CMyFormView1 {
    DECLARE_DYNCREATE(CPayBareForm)
public:
    CPayBareForm();
};

class PayrollProgram : public ::testing::Test, protected afxtest::MdiProgram {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs statements (one per line) and fails the test when they fail.
    void Run(const char* sql);
    CString Text(const char* sql);
    long long Count(const char* sql);

    // Every open view of the class.
    template <class T>
    std::vector<T*> Open() const
    {
        std::vector<T*> views;
        for (CView* view : OpenViews())
            if (auto* found = dynamic_cast<T*>(view))
                views.push_back(found);
        return views;
    }
    // Opens a new form of the view class (one of the test forms).
    template <class T>
    T* OpenForm()
    {
        return dynamic_cast<T*>(OpenView(RUNTIME_CLASS(T)));
    }

    ledmark_test::LedgerScripts scripts{true, "ПАЙМАР"};
    vornal::testing::DbReportRecorder dbReports;

private:

    long m_year = 0;
    long m_month = 0;
};

} // namespace paytest
