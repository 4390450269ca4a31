// The journals' masks form: a journal chosen shows its masks and one empty
// row (only that row for a journal without masks); a picker's answer lands in
// the row it was opened for; the analytic picker of a row without a
// synthetic account asks for it; a save replaces the journal's masks, drops
// rows without a synthetic account and refuses masks that are no codes.
#include "CFormGridView.h"
#include "CSprJrnOperView.h"
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

class SprJrnOper : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        Run("delete from spr_jrn_oper where id=20\n"
            "insert into spr_jrn_oper (id,num,name,sb) values (20,'20','Пустой журнал',0)");
    }
    CSprJrnOperView* Open()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("spr_jrn_oper1", 0, nullptr), 1);
        return Active<CSprJrnOperView>();
    }
    // The user chooses the journal in the picker.
    void ChooseJournal(CSprJrnOperView* view, const char* row)
    {
        afxtest::InteractionScript script;
        script.dialog(IDD_SPR_PICKER, [row](afxtest::DialogStep& d) { pickertest::ClickRows(d, {row}); });
        afxtest::click(view, IDC_JRN_CHOOSE);
        script.verify();
        Settle();
    }
    static QStringList Rows(CSprJrnOperView* view)
    {
        QStringList rows;
        for (long r = 0; r < view->m_grid.GetNRows(); ++r)
            rows << QStringList({view->m_grid.GetCellValue(0, r).ToQString(), view->m_grid.GetCellValue(1, r).ToQString(),
                                 view->m_grid.GetCellValue(2, r).ToQString()})
                        .join(" ")
                        .trimmed();
        return rows;
    }
    CString Masks(long id)
    {
        return Text(FormatText("select group_concat(concat_ws('-',col1,coalesce(col2,'_'),coalesce(col3,'_')) "
                               "order by real_id separator ' ') as str from spr_jrn_oper1 where id=%d",
                               id));
    }
    // A synthetic account chosen in the picker's form for the row the user stood on.
    static void ChooseSint(CSprJrnOperView* view, long row, long movedTo, const QString& code)
    {
        view->m_grid.SetCurCell(0, row);
        AfxFireEvent(&view->m_grid, 5, {AfxEventArg(short(0)), AfxEventArg(short(row))});
        view->m_grid.SetCurCell(0, movedTo);
        CMDIFrameWnd* frame = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
        auto* form = dynamic_cast<CFormGridView*>(frame->MDIGetActive()->GetActiveView());
        ASSERT_NE(form, nullptr);
        for (long r = 0; r < form->m_grid.GetNRows(); ++r)
            if (form->m_grid.GetCellValue(0, r).ToQString() == code)
                form->m_grid.SetCurCell(0, r);
        ASSERT_TRUE(form->Choose());
    }
};

TEST_F(SprJrnOper, JournalShowsItsMasksAndOneEmptyRow)
{
    CSprJrnOperView* view = Open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_grid.GetNRows(), 0) << "nothing before a journal is chosen";
    ChooseJournal(view, "2   ");
    EXPECT_EQ(afxtest::text(view, IDC_NUMBER), QStringLiteral("2"));
    EXPECT_EQ(afxtest::text(view, IDC_JRN_SB), QStringLiteral("Лицевые счета"));
    EXPECT_EQ(Rows(view), QStringList({"201 11", "201 21", ""}));
    ChooseJournal(view, "20   ");
    EXPECT_EQ(Rows(view), QStringList({""}));
}

TEST_F(SprJrnOper, PickerAnswersLandInTheirRow)
{
    CSprJrnOperView* view = Open();
    ASSERT_NE(view, nullptr);
    ChooseJournal(view, "4   ");
    ASSERT_EQ(Rows(view), QStringList({"302", "206", ""}));
    ChooseSint(view, 2, 0, "208");
    Settle();
    EXPECT_EQ(Rows(view), QStringList({"302", "206", "208", ""})) << "the answer in row 2, a new empty row";

    // The analytic picker of a row without a synthetic account asks for it.
    afxtest::InteractionScript ask;
    ask.message(QStringLiteral("Укажите код синтетического счета"), IDOK);
    view->m_grid.SetCurCell(1, 3);
    AfxFireEvent(&view->m_grid, 5, {AfxEventArg(short(1)), AfxEventArg(short(3))});
    ask.verify();
}

TEST_F(SprJrnOper, SaveReplacesTheMasksOfTheJournal)
{
    CSprJrnOperView* view = Open();
    ASSERT_NE(view, nullptr);
    afxtest::InteractionScript none;
    none.message(QStringLiteral("Выберите журнал операций"), IDOK);
    afxtest::click(view, IDOK);
    none.verify();

    ChooseJournal(view, "4   ");
    view->m_grid.SetNRows(5);
    const char* rows[][3] = {{"302", "34", ""}, {"", "26", "226"}, {" 206", "", ""}, {"208", "12", "560"}, {"", "", ""}};
    for (long r = 0; r < 5; ++r)
        for (int c = 0; c < 3; ++c)
            view->m_grid.SetCellValue(c, r, rows[r][c]);
    struct Fault {
        long row;
        int col;
        const char* text;
        const char* message;
    } faults[] = {
        {0, 0, "30", "Синтетический счет: три цифры"},
        {0, 1, "3x", "Аналитический счет: две цифры"},
        {3, 2, "5600", "Код КОСГУ: три цифры"},
    };
    for (const Fault& f : faults) {
        SCOPED_TRACE(f.message);
        const CString kept = view->m_grid.GetCellValue(f.col, f.row);
        view->m_grid.SetCellValue(f.col, f.row, f.text);
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8(f.message), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        EXPECT_EQ(view->m_grid.GetCurRow(), f.row);
        EXPECT_EQ(view->m_grid.GetCurCol(), f.col);
        EXPECT_EQ(Masks(4), CString("302-_-_ 206-_-_"));
        view->m_grid.SetCellValue(f.col, f.row, kept);
    }
    afxtest::InteractionScript no;
    no.message(kSaveQuestion, IDNO);
    afxtest::click(view, IDOK);
    no.verify();
    EXPECT_EQ(Masks(4), CString("302-_-_ 206-_-_"));

    afxtest::InteractionScript clear;
    clear.message(QStringLiteral("Удалить эту строку ? "), IDYES).message(kSaveQuestion, IDYES);
    view->m_grid.SetCurCell(0, 3);
    afxtest::click(view, ID_DELETE_LINE);
    EXPECT_EQ(Rows(view).value(3), QString()) << "the row is cleared, not removed";
    view->m_grid.SetCellValue(0, 3, "208");
    view->m_grid.SetCellValue(2, 3, "660");
    afxtest::click(view, IDOK);
    clear.verify();
    EXPECT_EQ(Masks(4), CString("302-34-_ 206-_-_ 208-_-660")) << "the row without a synthetic account is dropped";

    // An empty grid deletes every mask of the journal.
    for (long r = 0; r < view->m_grid.GetNRows(); ++r)
        view->m_grid.SetCellValue(0, r, "");
    afxtest::InteractionScript empty;
    empty.message(kSaveQuestion, IDYES);
    afxtest::click(view, IDOK);
    empty.verify();
    EXPECT_EQ(Masks(4), CString());
}

} // namespace
