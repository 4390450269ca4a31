// The actuality date form: the stored date shown, an empty or impossible
// date and the answer "No" writing nothing, a date set through the question,
// and a manual operation dated on or before it refused by the ledger's date
// check.
#include "CAktualDateView.h"
#include "COperByHandView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "OperByHandLines.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

class AktualDate : public LedgerProgram {
protected:
    CAktualDateView* Open()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("actual_date", 0, nullptr), 1);
        return Active<CAktualDateView>();
    }
    static CString Stored() { return GetConstant("system_actual_date", 0); }
};

TEST_F(AktualDate, RefusedDatesAndNoWriteNothing)
{
    CAktualDateView* view = Open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_ACTUAL_DATE), QString()) << "no date stored yet";
    struct Case {
        const char* typed;
        const char* message;  // "" none
        int answer;
    } cases[] = {
        {"", "Укажите дату", IDOK},
        {"31.02.2024", "", 0},
        {"1.1", "", 0},
        {"31.12.2024", "Установить дату актуальности 31.12.2024 ?", IDNO},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        view->m_editDate.SetWindowText(c.typed);
        afxtest::InteractionScript script;
        if (*c.message)
            script.message(QString::fromUtf8(c.message), c.answer);
        afxtest::click(view, IDOK);
        script.verify();
        EXPECT_EQ(Stored(), CString());
        Settle();
        EXPECT_EQ(ChildCount(), 1) << "the form stays open";
    }
}

TEST_F(AktualDate, SetDateRefusesAManualOperationDatedBeforeIt)
{
    Run(FormatText("insert into system_const (name,val) values ('system_actual_date','%s')", ThisYear("10.01")));
    CAktualDateView* view = Open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_ACTUAL_DATE), ThisYear("10.01").ToQString());
    view->m_editDate.SetWindowText(ThisYear("31.01"));
    afxtest::InteractionScript script;
    script.message(QString("Установить дату актуальности %1 ?").arg(ThisYear("31.01").ToQString()), IDYES);
    afxtest::click(view, IDOK);
    script.verify();
    EXPECT_EQ(Stored(), ThisYear("31.01"));
    Settle();
    EXPECT_EQ(ChildCount(), 0) << "the form closes once the date is set";

    Run("delete from ledmark_oper_by_hand");
    ASSERT_EQ(CHelpers::FN_OpenDocument0("<вручную>", 0, nullptr), 1);
    auto* operation = Active<COperByHandView>();
    ASSERT_NE(operation, nullptr);
    operation->m_date = qwDMG(ThisYear("31.01"), 1);
    operation->UpdateData(FALSE);
    const std::pair<int, const char*> line[] = {
        {OPER_DEBIT, "120134510"}, {OPER_CREDIT, "120111610"}, {OPER_KRED_SB1, "1"}, {OPER_SUM, "10"}};
    for (const auto& [column, text] : line)
        operation->m_grid.SetCellValue(column, 0, text);
    afxtest::InteractionScript refused;
    afxtest::click(operation, IDOK);
    refused.verify();
    ASSERT_EQ(scripts.messages.size(), 1u);
    EXPECT_NE(scripts.messages[0].find("закрыт"), std::string::npos) << scripts.messages[0];
    scripts.Clear();
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_oper_by_hand"), 0);
}

} // namespace
