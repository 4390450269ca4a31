// The branches form: a code shows its branch and a code that is none (or no
// number) empties the fields without asking the database; a new branch
// without a code gets the next one and shows it, one with a code is written
// under it, a stored one is updated, empty optional fields are NULL; an empty
// name, a code that is no number and the answer No write nothing.
#include "CSprFilsView.h"
#include "ChooserForm.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

const QString kSaveQuestion = QStringLiteral("Записать изменения ? ");

class SprFils : public LedgerProgram {
protected:
    CSprFilsView* Open()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("Филиалы", 0, nullptr), 1);
        return Active<CSprFilsView>();
    }
    static void Save(CSprFilsView* view, int answer)
    {
        afxtest::InteractionScript script;
        script.message(kSaveQuestion, answer);
        afxtest::click(view, IDOK);
        script.verify();
    }
    long Branches() { return (long)Count("select count(*) as cnt from spr_fil"); }
    CString Row(const char* id)
    {
        return Text(FormatText("select concat_ws('|',name,coalesce(ruk,'NULL'),coalesce(ruk_s,'NULL'),"
                               "coalesce(rukdol,'NULL'),coalesce(adres,'NULL'),coalesce(KOD_BP_PAY,'NULL')) as str "
                               "from spr_fil where id=%s",
                               id));
    }
};

TEST_F(SprFils, CodeShowsItsBranchAndOtherCodesEmptyTheFields)
{
    CSprFilsView* view = Open();
    ASSERT_NE(view, nullptr);
    struct Case {
        const char* code;
        const char* name;
        const char* head;
    } cases[] = {
        {"1", "Корпус на ул. Садовой", "Смирнова Елена Викторовна"},
        {"9", "", ""},
        {"2", "Корпус на ул. Лесной", "Морозова Анна Викторовна"},
        {"1 or 1=1", "", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        view->SetDlgItemText(IDC_FIL_CODE, c.code);
        EXPECT_EQ(afxtest::text(view, IDC_FIL_NAME), QString::fromUtf8(c.name));
        EXPECT_EQ(afxtest::text(view, IDC_FIL_RUK), QString::fromUtf8(c.head));
    }
    EXPECT_TRUE(dbReports.reports().empty()) << "no text that is no number reached SQL";

    afxtest::InteractionScript chooser;
    chooser.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"2   "}); });
    afxtest::click(view, IDC_FIL_CHOOSE);
    chooser.verify();
    EXPECT_EQ(afxtest::text(view, IDC_FIL_NAME), QStringLiteral("Корпус на ул. Лесной"));
}

TEST_F(SprFils, NewBranchesWithAndWithoutACodeAndAnUpdate)
{
    Run("delete from spr_fil where id>2\nalter table spr_fil auto_increment=3");
    CSprFilsView* view = Open();
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_FIL_NAME, "Корпус на ул. О'Нила");
    view->SetDlgItemText(IDC_FIL_RUK, "Иванова Ольга Петровна");
    Save(view, IDYES);
    EXPECT_EQ(afxtest::text(view, IDC_FIL_CODE), QStringLiteral("3")) << "the new code is shown";
    EXPECT_EQ(Row("3"), CString("Корпус на ул. О'Нила|Иванова Ольга Петровна|NULL|NULL|NULL|NULL"));
    EXPECT_EQ(afxtest::text(view, IDC_FIL_RUK), QStringLiteral("Иванова Ольга Петровна"));

    view->SetDlgItemText(IDC_FIL_CODE, "12");
    EXPECT_EQ(afxtest::text(view, IDC_FIL_NAME), QString()) << "a new code starts from a blank form";
    view->SetDlgItemText(IDC_FIL_NAME, "Филиал двенадцать");
    view->SetDlgItemText(IDC_FIL_KOD_BP, "02301299");
    Save(view, IDYES);
    EXPECT_EQ(Row("12"), CString("Филиал двенадцать|NULL|NULL|NULL|NULL|02301299"));

    view->SetDlgItemText(IDC_FIL_CODE, "1");
    view->SetDlgItemText(IDC_FIL_RUKDOL, "Заведующая");
    Save(view, IDYES);
    EXPECT_EQ(Row("1"), CString("Корпус на ул. Садовой|Смирнова Елена Викторовна|Е.В. Смирнова|Заведующая|"
                                "г. Ольмарск, ул. Садовая, д. 7|02301234"));
    EXPECT_EQ(Branches(), 4);
}

TEST_F(SprFils, RefusedSavesWriteNothing)
{
    CSprFilsView* view = Open();
    ASSERT_NE(view, nullptr);
    const long before = Branches();
    struct Case {
        const char* code;
        const char* name;
        const char* message;
        int answer;
    } cases[] = {
        {"", "", "Укажите Наименование", IDOK},
        {"5; delete from spr_fil", "Филиал", "Код филиала должен быть числом", IDOK},
        {"", "Филиал", "Записать изменения ? ", IDNO},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        view->SetDlgItemText(IDC_FIL_CODE, c.code);
        view->SetDlgItemText(IDC_FIL_NAME, c.name);
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8(c.message), c.answer);
        afxtest::click(view, IDOK);
        script.verify();
        EXPECT_EQ(Branches(), before);
    }
}

} // namespace
