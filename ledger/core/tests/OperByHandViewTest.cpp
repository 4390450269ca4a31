// The manual operation form as a bookkeeper uses it: a new operation with
// two lines whose accounts and analytic values come from the choosers, saved
// and saved again, its postings shown by "Бух.Справка", the question answered
// No, a closed stored date, the offer of a new operation, a line fault that
// names its cell, and a picture of the form with three filled lines.
#include "COperByHandView.h"
#include "ChooserForm.h"
#include "FreshDatabase.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

#include "CellworkModel.h"
#include "CellworkView.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>

#include <thread>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

const QString kSaveQuestion = QStringLiteral("Записать изменения ? ");
const QString kNewQuestion = QStringLiteral("Документ успешно записан.\nЖелаете внести новый документ ? ");

class OperByHandView : public LedgerProgram {
protected:
    COperByHandView* OpenNew()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("<вручную>", 0, nullptr), 1);
        return Active<COperByHandView>();
    }
    // The grid's chooser button of a cell, as the user presses it.
    static void Choose(COperByHandView* view, short col, short row)
    {
        view->m_grid.SetCurCell(col, row);
        AfxFireEvent(&view->m_grid, 5, {AfxEventArg(col), AfxEventArg(row)});
    }
    static void Type(COperByHandView* view, short col, short row, const char* text)
    {
        view->m_grid.SetCurCell(col, row);
        view->m_grid.SetCellValue(col, row, text);
    }
    // Types into a cell as the user does: the keys, then Enter.
    static void Key(COperByHandView* view, short col, short row, const char* text)
    {
        view->m_grid.SetCurCell(col, row);
        view->m_grid.SetFocus();
        afxtest::typeKeys(view->m_grid.GetQWidget(), QString::fromUtf8(text));
        afxtest::pressKey(view->m_grid.GetQWidget(), Qt::Key_Return);
    }
    static void Fill(COperByHandView* view, long row, const char* debit, const char* credit, const char* credit1,
                     const char* amount)
    {
        Type(view, OPER_DEBIT, row, debit);
        Type(view, OPER_CREDIT, row, credit);
        Type(view, OPER_KRED_SB1, row, credit1);
        Type(view, OPER_SUM, row, amount);
    }
    // "npp|debit|credit|kred_sb1|s|prim" of the postings of the operation row.
    CString Postings(long realId)
    {
        return Text(FormatText(
            "select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),"
            "concat(p.kred0,p.kred1,p.kred2,p.kred3),coalesce(p.deb_sb1,'-'),coalesce(p.kred_sb1,'-'),p.s,p.prim) "
            "order by p.npp separator ' / ') as str from ledmark_provodki p join ledmark_oper_by_hand o on o.id=p.id "
            "where o.real_id=%d",
            realId));
    }
    long OperationCount() { return (long)Count("select count(*) as cnt from ledmark_oper_by_hand"); }
};

TEST_F(OperByHandView, TwoLinesWithAccountsFromTheChoosersAreSavedAndSavedAgain)
{
    Run("delete from ledmark_oper_by_hand");
    COperByHandView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_strNumber, CString("1"));
    EXPECT_EQ(view->m_strPrim, CString("Справка"));
    EXPECT_EQ(view->m_grid.GetNRows(), 100);

    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"120134510"}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"120111610"}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"1   "}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"1   Петрова"}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"226000   "}); });
    Choose(view, OPER_DEBIT, 0);
    Choose(view, OPER_CREDIT, 0);
    EXPECT_EQ(view->m_grid.GetCellValue(OPER_KRED_SB1, 0), CString("<...>")) << "a required analytic is marked";
    Choose(view, OPER_KRED_SB1, 0);
    Type(view, OPER_SUM, 0, "1500.50");
    Key(view, OPER_DEBIT, 1, "120812");  // short forms, expanded for their side
    Key(view, OPER_CREDIT, 1, "120134");
    EXPECT_EQ(view->m_grid.GetCellValue(OPER_DEBIT, 1), CString("120812560"));
    EXPECT_EQ(view->m_grid.GetCellValue(OPER_CREDIT, 1), CString("120134610"));
    EXPECT_EQ(view->m_grid.GetCellValue(OPER_KRED_SB1, 1), CString()) << "the cash account has no analytics";
    Choose(view, OPER_DEB_SB1, 1);
    Choose(view, OPER_DEB_SB1 + 1, 1);
    Type(view, OPER_SUM, 1, "300");
    script.verify();
    EXPECT_EQ(view->m_grid.GetCellValue(OPER_PRIM, 0),
              CString("Получены наличные денежные средства в кассу с лицевого счета"));

    afxtest::InteractionScript save;
    save.message(kSaveQuestion, IDYES).message(kNewQuestion, IDNO);
    afxtest::click(view, IDOK);
    save.verify();
    const long realId = view->GetRealId();
    ASSERT_GT(realId, 0);
    EXPECT_EQ(Postings(realId),
              CString("1|120134510|120111610|-|1|1500.50|Получены наличные денежные средства в кассу с лицевого счета / "
                      "2|120812560|120134610|1|-|300.00|Выданы из кассы денежные средства под отчет"));
    EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "select_fil", 0), 1u);

    // A second save updates the same row and writes the lines again from 1.
    Type(view, OPER_SUM, 0, "0");
    view->m_grid.SetCellValue(OPER_DEBIT, 0, "");
    view->m_grid.SetCellValue(OPER_CREDIT, 0, "");
    view->m_grid.SetCellValue(OPER_KRED_SB1, 0, "");
    afxtest::InteractionScript again;
    again.message(kSaveQuestion, IDYES).message(kNewQuestion, IDNO);
    afxtest::click(view, IDOK);
    again.verify();
    EXPECT_EQ(view->GetRealId(), realId);
    EXPECT_EQ(OperationCount(), 1);
    EXPECT_EQ(Postings(realId), CString("1|120812560|120134610|1|-|300.00|Выданы из кассы денежные средства под отчет"));

    // "Бух.Справка" shows the operation's postings.
    afxtest::click(view, ID_BUH_SPRAVKA);
    auto* postings = Active<CDocProvView>();
    ASSERT_NE(postings, nullptr);
    ASSERT_EQ(postings->m_grid.GetNRows(), 1);
    EXPECT_EQ(postings->m_grid.GetCellValue(2, 0), CString("120812560"));
}

TEST_F(OperByHandView, NoAtTheQuestionAndAClosedStoredDateChangeNothing)
{
    Run("delete from ledmark_oper_by_hand");
    COperByHandView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Fill(view, 0, "120134510", "120111610", "1", "10");
    afxtest::InteractionScript no;
    no.message(kSaveQuestion, IDNO);
    afxtest::click(view, IDOK);
    no.verify();
    EXPECT_EQ(view->GetRealId(), -1);
    EXPECT_EQ(OperationCount(), 0);

    view->m_date = qwDMG(ThisYear("10.01"), 1);
    view->UpdateData(FALSE);
    afxtest::InteractionScript yes;
    yes.message(kSaveQuestion, IDYES).message(kNewQuestion, IDNO);
    afxtest::click(view, IDOK);
    yes.verify();
    const long realId = view->GetRealId();
    const CString before = Postings(realId);

    // The period up to the stored date is closed: even a new, open date cannot be saved.
    Run(FormatText("insert into system_const (name,val) values ('system_actual_date','%s')", ThisYear("31.01")));
    view->m_date = qwDMG(ThisYear("15.03"), 1);
    view->UpdateData(FALSE);
    Type(view, OPER_SUM, 0, "99");
    afxtest::InteractionScript closed;
    afxtest::click(view, IDOK);
    closed.verify();
    EXPECT_FALSE(scripts.messages.empty()) << "the period script says why";
    scripts.Clear();
    EXPECT_EQ(Postings(realId), before);
    EXPECT_EQ(Text(FormatText("select d as str from ledmark_oper_by_hand where real_id=%d", realId)),
              ThisYear("10.01"));
}

TEST_F(OperByHandView, YesAfterTheSaveStartsANewOperation)
{
    Run("delete from ledmark_oper_by_hand");
    AfxGetApp()->WriteProfileInt("constants", "select_fil", 1);
    COperByHandView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    view->m_comboFil.SetCurSel(view->m_comboFil.FindStringExact(-1, "Корпус на ул. Лесной"));
    view->m_strPrim = "Акт";
    view->UpdateData(FALSE);
    Fill(view, 0, "120134510", "120111610", "1", "10");
    afxtest::InteractionScript script;
    script.message(kSaveQuestion, IDYES).message(kNewQuestion, IDYES);
    afxtest::click(view, IDOK);
    script.verify();
    EXPECT_EQ(view->GetRealId(), -1);
    EXPECT_EQ(view->m_strNumber, CString("2"));
    EXPECT_EQ(view->m_strPrim, CString("Справка"));
    EXPECT_EQ(view->m_grid.GetCellValue(OPER_DEBIT, 0), CString());
    EXPECT_EQ(view->m_comboFil.GetItemData(view->m_comboFil.GetCurSel()), 2u) << "the branch just saved";
    EXPECT_EQ(DMGtoStr(view->m_date), DMGtoStr(COleDateTime::GetCurrentTime()));
}

TEST_F(OperByHandView, ALineFaultShowsItsMessageOnItsCell)
{
    COperByHandView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Fill(view, 0, "120134510", "120111610", "1", "10");
    Type(view, OPER_DEBIT, 3, "120134510");
    Type(view, OPER_SUM, 3, "5");
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Укажите счет по кредиту"), IDOK);
    afxtest::click(view, IDOK);
    script.verify();
    EXPECT_EQ(view->m_grid.GetCurRow(), 3);
    EXPECT_EQ(view->m_grid.GetCurCol(), OPER_CREDIT);
    EXPECT_EQ(view->GetRealId(), -1);

    // A required analytic left at its placeholder is the view's own fault, told
    // in the view's words on its cell (the posting script says nothing).
    Type(view, OPER_DEBIT, 3, "120812560");
    Type(view, OPER_CREDIT, 3, "120134610");
    ASSERT_EQ(view->m_grid.GetCellValue(OPER_DEB_SB1, 3), CString("<...>"));
    Type(view, OPER_DEB_SB1 + 1, 3, "226000");
    afxtest::InteractionScript placeholder;
    placeholder.message(QStringLiteral("Нет такого субконто1 по дебету"), IDOK);
    afxtest::click(view, IDOK);
    placeholder.verify();
    EXPECT_EQ(view->m_grid.GetCurRow(), 3);
    EXPECT_EQ(view->m_grid.GetCurCol(), OPER_DEB_SB1);
    EXPECT_EQ(view->GetRealId(), -1);

    afxtest::InteractionScript empty;
    empty.message(QStringLiteral("Укажите проводки"), IDOK);
    view->m_grid.ClearGrid();
    afxtest::click(view, IDOK);
    empty.verify();
}

// Another user saved an operation under the number this form proposed: the
// save takes the next free number and says which.
TEST_F(OperByHandView, AProposedNumberAnotherUserTookIsReplacedAndTheFormSaysSo)
{
    Run("delete from ledmark_oper_by_hand");
    COperByHandView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->m_strNumber, CString("1"));
    Fill(view, 0, "120134510", "120111610", "1", "10");
    _ConnectionPtr other = vornal::testing::OpenRawConnection();
    other->Execute(_bstr_t(FormatText("insert into ledmark_oper_by_hand (id,d,number,fil_id) values (0,%s,'1',1)",
                                      ChangeDateUS0(ThisYear("01.02"), 0))),
                   nullptr, adExecuteNoRecords);
    afxtest::InteractionScript save;
    save.message(kSaveQuestion, IDYES)
        .message(QStringLiteral("Номер 1 уже занят другим документом: документ записан под номером 2."), IDOK)
        .message(kNewQuestion, IDNO);
    afxtest::click(view, IDOK);
    save.verify();
    EXPECT_EQ(view->m_strNumber, CString("2"));
    EXPECT_EQ(Text(FormatText("select number as str from ledmark_oper_by_hand where real_id=%d", view->GetRealId())),
              CString("2"));
}

// The form's save holds the document counter's row only from the check of
// its number to the commit: while its postings are written (a second's sleep
// in the first posting's insert) another program takes the row at once.
TEST_F(OperByHandView, TheCounterRowIsFreeWhileTheFormWritesItsPostings)
{
    Run("delete from ledmark_oper_by_hand");
    Run("create trigger x_slow_posting before insert on ledmark_provodki for each row "
        "set @x_slept=if(new.npp=1,sleep(1),0)");
    struct DropTrigger {
        ~DropTrigger() { ExecuteSql("drop trigger if exists x_slow_posting"); }
    } dropTrigger;
    COperByHandView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Fill(view, 0, "120134510", "120111610", "1", "10");
    const long saver = GetServerId();
    QString other;  // what the other program got when it asked for the row
    std::thread probe([&] {
        try {
            _ConnectionPtr connection = vornal::testing::OpenRawConnection();
            if (!vornal::testing::WaitForCount(
                    connection,
                    QStringLiteral("select count(*) from information_schema.processlist where id=%1 "
                                   "and state='User sleep'")
                        .arg(saver),
                    [](long long sleeping) { return sleeping > 0; })) {
                other = QStringLiteral("the save never wrote its postings");
                return;
            }
            connection->BeginTrans();
            _RecordsetPtr row = connection->Execute(
                _bstr_t("select last_id from system_doc_counter where id=1 for update nowait"), nullptr, adCmdText);
            other = QStringLiteral("free");
            connection->RollbackTrans();
        } catch (const _com_error& e) {
            other = e.Description().qstring();
        }
    });
    afxtest::InteractionScript save;
    save.message(kSaveQuestion, IDYES).message(kNewQuestion, IDNO);
    afxtest::click(view, IDOK);
    save.verify();
    probe.join();
    EXPECT_EQ(other, QStringLiteral("free"));
    EXPECT_GT(view->GetRealId(), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki p join ledmark_oper_by_hand o on o.id=p.id"), 1);
}

// Two clerks open one stored operation; the other saves first. This form's
// save is over a version it did not load: it says so and writes nothing,
// and its message waits for the end of the save's transaction, so the row is
// free for the other clerk while it is shown.
TEST_F(OperByHandView, ASaveOverAnotherClerksChangesIsRefusedAndHoldsNoLockWhileSaying)
{
    Run("delete from ledmark_oper_by_hand");
    COperByHandView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Fill(view, 0, "120134510", "120111610", "1", "10");
    afxtest::InteractionScript first;
    first.message(kSaveQuestion, IDYES).message(kNewQuestion, IDNO);
    afxtest::click(view, IDOK);
    first.verify();
    const long realId = view->GetRealId();
    ASSERT_GT(realId, 0);
    afxtest::click(view, IDCANCEL);
    Settle();

    CHelpers::I_OpenDocument(realId, nullptr, "<вручную>", 0);
    Settle();
    view = Active<COperByHandView>();
    ASSERT_NE(view, nullptr);
    _ConnectionPtr other = vornal::testing::OpenRawConnection();
    other->Execute("set session innodb_lock_wait_timeout=1", nullptr, adExecuteNoRecords);
    // The other clerk's save of the same operation.
    other->Execute(_bstr_t(FormatText("update ledmark_oper_by_hand set prim='Акт' where real_id=%d\n", realId)),
                   nullptr, adExecuteNoRecords);
    other->Execute(_bstr_t(FormatText("insert into system_doc_version (tbl,real_id,ver) values "
                                      "('ledmark_oper_by_hand',%d,1)",
                                      realId)),
                   nullptr, adExecuteNoRecords);
    const CString before = Postings(realId);

    Type(view, OPER_SUM, 0, "99");
    bool rowFree = false;
    afxtest::InteractionScript refused;
    refused.message(kSaveQuestion, IDYES)
        .message(QStringLiteral("Документ изменен другим пользователем. Откройте его заново."), IDOK, [&] {
            try {
                other->BeginTrans();
                other->Execute(_bstr_t(FormatText("select real_id from ledmark_oper_by_hand where real_id=%d "
                                                  "for update",
                                                  realId)),
                               nullptr, adCmdText);
                rowFree = true;
                other->RollbackTrans();
            } catch (const _com_error&) {
                // A lock-wait timeout: the refused save still holds the row.
            }
        });
    afxtest::click(view, IDOK);
    refused.verify();
    EXPECT_TRUE(rowFree) << "the message was shown after the save's transaction ended";
    EXPECT_EQ(Postings(realId), before);
    EXPECT_EQ(Text(FormatText("select prim as str from ledmark_oper_by_hand where real_id=%d", realId)),
              CString("Акт"));
}

// A stored operation whose lines cannot be read does not open for editing:
// the failure is reported and the form closes, so no save can replace its
// postings with none.
TEST_F(OperByHandView, AnOperationWhoseLinesCannotBeReadDoesNotOpen)
{
    Run("delete from ledmark_oper_by_hand\ndelete from ledmark_provodki where id=9201");
    Run(FormatText("insert into ledmark_oper_by_hand (id,d,number,fil_id) values (9201,%s,'3',1)\n"
                   "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,s,fil_id) "
                   "values (9201,1,%s,'1','201','34','510',5,1)",
                   ChangeDateUS0(ThisYear("01.02"), 0), ChangeDateUS0(ThisYear("01.02"), 0)));
    const long realId = (long)Count("select max(real_id) as cnt from ledmark_oper_by_hand");
    struct Hidden {  // the postings out of the form's reach while it opens
        Hidden() { EXPECT_NE(ExecuteSql("rename table ledmark_provodki to ledmark_provodki_away"), 0); }
        ~Hidden() { EXPECT_NE(ExecuteSql("rename table ledmark_provodki_away to ledmark_provodki"), 0); }
    };
    {
        Hidden hidden;
        CHelpers::I_OpenDocument(realId, nullptr, "<вручную>", 0);
        Settle();
    }
    EXPECT_EQ(ChildCount(), 0) << "the form does not stay open";
    EXPECT_EQ(dbReports.reports().size(), 1u);
    dbReports.clear(1);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki where id=9201"), 1);
}

// Tab from the keyboard passes over the cells a line's accounts do not use:
// the cash desk keeps no analytic values, the treasury account one; those
// cells offer no chooser either.
TEST_F(OperByHandView, TabStopsOnlyOnCellsThatTakeAValue)
{
    COperByHandView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    afxtest::showActive(view->GetParentFrame());
    view->m_grid.SetFocus();
    view->m_grid.SetCurCell(OPER_KBK_DEB, 0);
    QStringList stops;
    auto tab = [&](const char* typed) {
        if (*typed)
            afxtest::typeKeys(view->m_grid.GetQWidget(), QString::fromUtf8(typed));
        afxtest::pressKey(QApplication::focusWidget(), Qt::Key_Tab);
        stops << QString::number(view->m_grid.GetCurCol());
    };
    tab("");
    tab("120134510");
    tab("");
    tab("120111610");
    tab("");
    EXPECT_EQ(stops.join(u' ').toStdString(), "1 5 6 7 11");
    auto* grid = static_cast<gridbase::CellworkView*>(view->m_grid.GetQWidget());
    QStringList buttons;
    for (int col = OPER_KBK_DEB; col <= OPER_PRIM; ++col)
        if (grid->model()->index(0, col).data(gridbase::CellworkModel::ButtonRole).toBool())
            buttons << QString::number(col);
    EXPECT_EQ(buttons.join(u' ').toStdString(), "0 1 5 6 7") << "choosers only where a value goes";
}

TEST_F(OperByHandView, PictureOfTheFormWithThreeLines)
{
    COperByHandView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    view->GetParentFrame()->GetQWidget()->resize(1200, 620);
    Settle();
    Fill(view, 0, "120134510", "120111610", "1", "1500.50");
    Fill(view, 1, "120812560", "120134610", "", "300.00");
    Type(view, OPER_DEB_SB1, 1, "1");
    Type(view, OPER_DEB_SB1 + 1, 1, "226000");
    Fill(view, 2, "130221830", "120111610", "1", "12000.00");
    Type(view, OPER_DEB_SB1, 2, "2");
    Type(view, OPER_DEB_SB1 + 1, 2, "223000");
    Type(view, OPER_DEB_SB1 + 2, 2, "3");
    Settle();
    QCoreApplication::processEvents(); // the frame's layout takes its new size
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/oper_by_hand.png"));
}

} // namespace
