// The demo's vacation as the clerk meets it: the form computes from the demo
// year what the demo stored (the pay per sheet and the records the note
// prints), both parts' averages in their grids with the sheets' names over
// their columns and no premium column where a sheet had none, and the
// calculation note printed to PDF. First in its program: the other tests
// change the pay-code groups, the coefficients and the sheets' indexing.
#include "COtpuskView.h"
#include "CReportView.h"
#include "GuiDriver.h"
#include "PayrollProgram.h"
#include "ReportShown.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using npaymar::COtpuskView;

class VacationDemo : public paytest::PayrollProgram {};

TEST_F(VacationDemo, TheDemosVacationIsWhatTheFormComputesAndItsNotePrints)
{
    CHelpers::FN_OpenDocument0("OtpuskView", 0, nullptr);
    Settle();
    auto views = Open<COtpuskView>();
    ASSERT_EQ(views.size(), 1u);
    COtpuskView* form = views.back();
    form->SetDlgItemText(IDC_TN, "1");
    Settle();
    ASSERT_EQ(afxtest::text(form, IDC_REC_NPP), QString("1"));
    const CString key = FormatText("g=%ld and ms=%ld and tn=1 and npp=1", g_lYear, g_lMonth);
    const struct {
        const char* column;
        CString computed;
    } records[] = {
        {"mes", form->Part(0).monthRecords},     {"mes2", form->Part(1).monthRecords},
        {"nv_s", form->Part(0).sheetRecords},    {"nv_s2", form->Part(1).sheetRecords},
        {"sovokup", form->Part(0).amountRecords}, {"sovokup2", form->Part(1).amountRecords},
    };
    for (const auto& r : records) {
        EXPECT_FALSE(r.computed.IsEmpty()) << r.column;
        EXPECT_EQ(Text(FormatText("select %s as str from paymar_otpusk where %s", r.column, key)), r.computed) << r.column;
    }
    const double stored = atof(Text("select sum(s) as str from paymar_otpusk1 where " + key));
    EXPECT_EQ(FormatNumber(stored, "", 2), FormatNumber(form->Part(0).amount + form->Part(1).amount, "", 2));

    // The main part's grid: the two sheets' names over their four columns,
    // the months, the three totals; sheet 3 had no premium.
    const CCellwork& grid = form->m_results[0];
    ASSERT_EQ(grid.GetNCols(), 3 + 4 * 2 + 1);
    ASSERT_EQ(grid.GetNRows(), 12 + 4);
    EXPECT_EQ(grid.GetCellValue(3, 0), CString("Основной персонал"));
    EXPECT_EQ(grid.GetCellValue(7, 0), CString("Платные услуги"));
    EXPECT_EQ(grid.GetColCaption(3), CString("Зарплата"));
    EXPECT_EQ(grid.GetColCaption(11), CString("Всего"));
    EXPECT_EQ(grid.GetColHidden(4), 0) << "the quarterly premium on the main sheet";
    EXPECT_EQ(grid.GetColHidden(8), 1) << "no premium on the paid services";
    EXPECT_EQ(grid.GetCellValue(0, 13), CString("итого:"));
    EXPECT_EQ(grid.GetCellValue(2, 13), CString("352.8"));
    EXPECT_EQ(grid.GetCellValue(0, 15), CString("сумма отпуска"));
    EXPECT_EQ(long(grid.GetRowData(12)), g_lMonth == 1 ? 12 : g_lMonth - 1);
    EXPECT_EQ(grid.GetCellValue(11, 15), FormatNumber(form->Part(0).amount, "", 2));
    form->ShowPart(1);
    Settle();
    EXPECT_TRUE(afxtest::grab(form->GetParentFrame()).save(QCoreApplication::applicationDirPath() + "/vacation_form.png"));
    form->ShowPart(0);
    Settle();
    EXPECT_TRUE(afxtest::grab(form->GetParentFrame()).save(QCoreApplication::applicationDirPath() + "/vacation_form_main.png"));

    afxtest::click(form, IDC_OTP_NOTE);
    Settle();
    const ledgertest::SavedReport page =
        ledgertest::SaveShownReport(*this, "vacation_note.png");
    EXPECT_TRUE(page.saved);
    EXPECT_GE(page.pages, 1);
    for (const char* text : {"Записка-расчет", "118-о", "Очередной", "График отпусков", "Основной отпуск",
                             "Дополнительный отпуск", "Оплата ежегодного отпуска", "Основной персонал", "Платные услуги",
                             "средне дневная", "сумма отпуска", "Итого начислено:"})
        EXPECT_TRUE(page.text.contains(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(page.text.contains(FormatNumber(stored, "", 2).ToQString())) << "the record's total";
}

} // namespace
