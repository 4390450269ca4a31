// The handlers the ledger's forms share, on a real form: printing through
// the form's own "PrepareTheReport" script with the stored key (-1 before the
// first save), and the employee chooser writing the chosen personnel number
// into the form's edit 112.
#include "COperByHandView.h"
#include "CReportView.h"
#include "ChooserForm.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "SharedCommands.h"
#include "GuiDriver.h"
#include "res/AppcoreResource.h"
#include "res/SharedTestResource.h"

#include <QTextBrowser>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

class SharedCommands : public LedgerProgram {};

TEST_F(SharedCommands, PrintFormRunsTheFormsReportWithTheStoredKey)
{
    ASSERT_TRUE(CInterpriter::GetMain()->LoadScript(
        "Form.<вручную>", "print.lua", "function PrepareTheReport(id) return '<p>Документ № ' .. id .. '</p>' end"));
    ASSERT_EQ(CHelpers::FN_OpenDocument0("<вручную>", 0, nullptr), 1);
    auto* view = Active<COperByHandView>();
    ASSERT_NE(view, nullptr);
    scripts.calls.clear();
    OnPrintForm(view);
    view->SetRealId(42);
    OnPrintForm(view);
    std::vector<std::string> calls;
    for (const auto& call : scripts.calls)
        if (call.context == "Form.<вручную>")
            calls.push_back(call.call);
    EXPECT_EQ(calls, std::vector<std::string>({"PrepareTheReport(-1)", "PrepareTheReport(42)"}));
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->GetPage()->Browser()->toPlainText(), QStringLiteral("Документ № 42"));
}

TEST_F(SharedCommands, EmployeeChooserWritesIntoThePersonnelNumberField)
{
    CDialog form(IDD_SHARED_TEST);
    ASSERT_TRUE(form.Create(IDD_SHARED_TEST));
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"1   Петрова"}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { d.click(IDCANCEL); });
    OnTNbtn(&form);
    EXPECT_EQ(afxtest::text(&form, kTnEditId), QStringLiteral("1"));
    OnTNbtn(&form);
    script.verify();
    EXPECT_EQ(afxtest::text(&form, kTnEditId), QStringLiteral("1")) << "cancelling leaves the field";
}

} // namespace
