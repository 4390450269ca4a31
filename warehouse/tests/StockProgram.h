// The warehouse module in a small program for the tests of its forms: this
// binary's fresh database with the warehouse's schema and demo rows, the
// configuration's scripts with the warehouse workplace chosen, the working
// month of today (the demo follows the calendar), the application object and
// an MDI main frame with the module's templates registered by CStovan::Init
// and the test forms on the module's form base.
#pragma once
#include "CMyFormView1.h"
#include "MdiProgram.h"
#include "tests/LedgerScripts.h"

#include <DbReportRecorder.h>
#include <gtest/gtest.h>

#include <vector>

namespace stovantest {

// A form with the document fields of the form base: department, statement,
// organisation, employee and cabinet, each with its chooser. It counts the
// organisation's changes in an override of the base's handler.
class CStockBaseForm : public nstovan::CMyFormView1 {
    DECLARE_DYNCREATE(CStockBaseForm)
public:
    CStockBaseForm();
    void OnChangeOrg() override;
    using CMyFormView1::SearchBook;
    int organisationChanges = 0;
};

// A form with the material (and its unit), kind of work and treatment method,
// and a department code without the edit of its name.
class CStockMaterialForm : public nstovan::CMyFormView1 {
    DECLARE_DYNCREATE(CStockMaterialForm)
public:
    CStockMaterialForm();
};

class StockProgram : public ::testing::Test, protected afxtest::MdiProgram {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs statements (one per line) and fails the test when they fail.
    void Run(const char* sql);
    CString Text(const char* sql);
    long long Count(const char* sql);
    // A day of the working month as dd.mm.yyyy, and of the month before.
    static CString ThisMonth(int day);
    static CString LastMonth(int day);
    // Opens a new form of the view class (a template of the module or a test form).
    template <class T>
    T* OpenForm()
    {
        return dynamic_cast<T*>(OpenView(RUNTIME_CLASS(T)));
    }

    ledmark_test::LedgerScripts scripts{true, "СТОВАН"};
    vornal::testing::DbReportRecorder dbReports;

private:
    CView* OpenView(CRuntimeClass* viewClass);
    long m_year = 0;
    long m_month = 0;
};

} // namespace stovantest
