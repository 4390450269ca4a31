// The chart-of-accounts pickers: GetSB opening the reference book of an
// account's dimension (the employee chooser for employees, a beep for none),
// the parameter text of the selection forms with a window handle that reads
// back only while the window lives, and the forms' grids filled from the chart.
#include "AnswerWindow.h"
#include "CCellwork.h"
#include "CLedmark.h"
#include "ChartPickerForms.h"
#include "ChooserForm.h"
#include "InteractionScript.h"
#include "res/AppcoreResource.h"
#include "tests/LedgerDatabase.h"

#include <QWidget>

namespace {

using namespace nledmark;
using ledmark_test::LedgerDatabase;

class Pickers : public LedgerDatabase {};

TEST_F(Pickers, GetSBBeepsForAnAccountWithoutThatDimension)
{
    CAnswerWindow form;
    afxtest::InteractionScript script;
    CLedmark::GetSB(&form, UINT(-1), 0x466, "120134510", 1, 0);
    CLedmark::GetSB(&form, UINT(-1), 0x466, "120820226", 3, 0);
    script.verify();
    EXPECT_EQ(script.beeps().size(), 2);
    EXPECT_TRUE(form.answers.empty());
}

TEST_F(Pickers, GetSBOpensTheEmployeeChooserForEmployeesAndTheBookOtherwise)
{
    struct Case {
        short n;
        UINT msg;
        const char* title;
        const char* row;
        long long answer;
    } cases[] = {
        {1, 0x466, "Сотрудники", "1   Петрова", 1},
        {2, 0x467, "ЭКР", "226000   ", 226000},
    };
    for (const Case& c : cases) {
        CAnswerWindow form;
        afxtest::InteractionScript script;
        script.dialog(IDD_SPR_PICKER, [&](afxtest::DialogStep& d) {
            EXPECT_EQ(d.window()->GetQWidget()->windowTitle(), QString::fromUtf8(c.title));
            pickertest::ClickRows(d, {QString::fromUtf8(c.row)});
        });
        CLedmark::GetSB(&form, UINT(-1), c.msg, "120820226", c.n, 0);
        script.verify();
        ASSERT_EQ(form.answers.size(), 1u) << c.title;
        EXPECT_EQ(form.answers[0].msg, c.msg);
        EXPECT_EQ(form.answers[0].value, c.answer);
    }
}

TEST_F(Pickers, TheParameterCarriesALiveWindowOnly)
{
    CString parameter;
    {
        CAnswerWindow form;
        parameter = PickerParameter(&form, UINT(-1), 0x464, "304", "05");
        const CPickerTarget t = ReadPickerParameter(parameter);
        EXPECT_EQ(t.parent, &form);
        EXPECT_EQ(t.ctrlId, -1);
        EXPECT_EQ(t.msg, 0x464);
        EXPECT_EQ(t.col1, CString("304"));
        EXPECT_EQ(t.col2, CString("05"));
        EXPECT_EQ(ReadPickerParameter(PickerParameter(&form, 1001, UINT(-1))).ctrlId, 1001);
    }
    EXPECT_EQ(ReadPickerParameter(parameter).parent, nullptr) << "a closed window is not answered";
}

QStringList GridRows(CCellwork& grid)
{
    QStringList rows;
    for (long r = 0; r < grid.GetNRows(); ++r)
        rows << grid.GetCellValue(0, r).ToQString();
    return rows;
}

TEST_F(Pickers, TheFormsListTheLevelsOfTheChart)
{
    Run("insert into spr_plan_sch (col0,col1,col2,col3,name) values (0,'000','00','000','Без синтетического счета'),"
        "(0,'000','01','000','Прочее')");
    CWnd holder;
    ASSERT_TRUE(holder.CreateEx(0, nullptr, "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, 0));
    CCellwork grid;
    ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 280, 180), &holder, 100));

    ASSERT_TRUE(FillChartGrid(grid, ChartLevel::Synthetic, "", ""));
    EXPECT_EQ(grid.GetNCols(), 2);
    EXPECT_EQ(grid.GetColCaption(1), CString("Наименование"));
    EXPECT_TRUE(GridRows(grid).contains("201"));
    EXPECT_FALSE(GridRows(grid).contains("34"));

    ASSERT_TRUE(FillChartGrid(grid, ChartLevel::Analytic, "201", ""));
    EXPECT_EQ(GridRows(grid), QStringList({"01", "03", "04", "11", "21", "34", "35"}));
    EXPECT_EQ(grid.GetCellValue(1, 5), CString("Касса"));
    ASSERT_TRUE(FillChartGrid(grid, ChartLevel::Analytic, "000", ""));
    EXPECT_EQ(GridRows(grid), QStringList({"00", "01"})) << "the synthetic 000 keeps its row 00";

    ASSERT_TRUE(FillChartGrid(grid, ChartLevel::Kosgu, "201", "34"));
    EXPECT_EQ(GridRows(grid), QStringList({"510", "610"}));
    ASSERT_TRUE(FillChartGrid(grid, ChartLevel::Kosgu, "2'01", "34"));
    EXPECT_EQ(grid.GetNRows(), 0);
    holder.DestroyWindow();
}

} // namespace
