// The cheque-book application: a new one's defaults, the checks in their
// order, empty counts and numbers stored as NULL but an empty series as an
// empty text, and the printed form made from the fields as they stand:
// number, date, counts in figures and in words, the employee's passport
// (blanks where none is on file) and every text as typed.
#include "CCheckBookView.h"
#include "CheckBookPage.h"
#include "SettlementsProgram.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

class CheckBookView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_check_book");
    }
    CCheckBookView* OpenNew() { return Open<CCheckBookView>("Заявл.чек.кн."); }
};

TEST_F(CheckBookView, ANewApplicationIsCheckedInOrderAndStoredWithNullsWhereNothingWasTyped)
{
    AfxGetApp()->WriteProfileInt("constants", "select_fil", 2);
    CCheckBookView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_NUMBER), QStringLiteral("1"));
    EXPECT_EQ(afxtest::text(view, IDC_SET_DATE_TEXT), DMGtoStr(COleDateTime::GetCurrentTime()).ToQString());
    EXPECT_EQ(afxtest::text(view, IDC_CB_BOOKS), QStringLiteral("1"));
    EXPECT_EQ(afxtest::text(view, IDC_CB_LEAVES), QStringLiteral("25"));
    EXPECT_EQ(view->m_comboFil.GetItemData(view->m_comboFil.GetCurSel()), DWORD_PTR(2)) << "the branch last used";

    ExpectRefusals(view, {
        {IDC_SET_DATE_TEXT, "", "Укажите Дату"},
        {IDC_NUMBER, "", "Укажите № документа"},
        {IDC_SET_TN, "", "Укажите Кому выдана доверенность"},
        {IDC_SET_TN, "999", "Нет такого Работника"},
    }, [&] {
        view->SetDlgItemText(IDC_SET_DATE_TEXT, ThisYear("05.03"));
        view->SetDlgItemText(IDC_NUMBER, "7");
        view->SetDlgItemText(IDC_SET_TN, "1");
    });
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_check_book"), 0);

    view->SetDlgItemText(IDC_SET_TN, "1");
    view->SetDlgItemText(IDC_CB_BOOKS, "");
    view->SetDlgItemText(IDC_CB_LEAVES, "");
    SaveYes(view);
    const long realId = view->GetRealId();
    ASSERT_GT(realId, 0);
    EXPECT_EQ(Text(FormatText("select concat_ws('|',number,d,tn,icn,fil_id,id,coalesce(kol_k,'NULL'),"
                              "coalesce(kol_l,'NULL'),concat('[',ser,']'),coalesce(n1,'NULL'),coalesce(n2,'NULL'),"
                              "coalesce(prim,'NULL')) as str from ledmark_check_book where real_id=%d",
                              realId)),
              FormatText("7|%d-03-05|1|Петрова Анна Сергеевна|2|0|NULL|NULL|[]|NULL|NULL|NULL",
                         COleDateTime::GetCurrentTime().GetYear()));

    // The books handed out, saved again: the same row.
    view->SetDlgItemText(IDC_CB_SERIES, "НЧ");
    view->SetDlgItemText(IDC_CB_FIRST, "1204501");
    view->SetDlgItemText(IDC_CB_LAST, "1204525");
    SaveYes(view);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_check_book"), 1);
    EXPECT_EQ(Stored("ledmark_check_book", realId, "concat_ws('|',ser,n1,n2)"), CString("НЧ|1204501|1204525"));
}

TEST_F(CheckBookView, ThePrintedFormShowsTheFieldsAsTheyStandWithEveryTextAsTyped)
{
    Run("insert into tn (tn, f, i, o, dol, prd) values (90, 'Кузьмин<Б>', 'Олег', '&Ко', 3, 1)");
    CCheckBookView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_NUMBER, "12<a>");
    view->SetDlgItemText(IDC_SET_DATE_TEXT, "05.03.2025");
    view->SetDlgItemText(IDC_SET_TN, "90");
    view->SetDlgItemText(IDC_CB_BOOKS, "2");
    view->SetDlgItemText(IDC_CB_LEAVES, "50");
    const CString page = CheckBookPage(view->ReadForm());
    for (const char* part : {"Заявление № 12&lt;a&gt;<br>", "<b>от  5 марта 2025г.</b>", "<i>два</i>", "0510031",
                             "Воспитатель Кузьмин&lt;Б&gt; Олег &amp;Ко", "Министерство Финансов Ольмарского края",
                             "Корпус на ул. Садовой", "/ Е.В. Смирнова /", "/ Петрова А. С. /",
                             "Чековые книжки доверяем получить работнику:", "(наименование документа)"})
        EXPECT_TRUE(page.Find(part) >= 0) << part;
    EXPECT_LT(page.Find("<б>"), 0) << "a name prints as typed, not as markup";
    // No passport on file: the blanks stay empty.
    EXPECT_GE(page.Find("<u>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</u>&nbsp;№&nbsp;"), 0);

    // Printing before saving shows the screen in the report window.
    afxtest::click(view, ID_DOCUMENT_PRINT);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_check_book"), 0);
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    const QString text = report->GetPage()->Browser()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Заявление № 12<a>"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Кузьмин<Б> Олег &Ко")));
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(report->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/check_book_page.png"));
}

} // namespace
