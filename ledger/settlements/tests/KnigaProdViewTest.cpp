// The VAT books: the sales book entry (its checks, amounts and dates as the
// bookkeeper types them, the offer of a new entry, a closed period), the
// list of the period's entries, and the prints of the sales and purchase
// books with their call texts, the branch kept and the totals by rate.
#include "CFormGridView.h"
#include "CKnigaProdView.h"
#include "CPrnKnigaPokView.h"
#include "CPrnKnigaProdView.h"
#include "SettlementsProgram.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

const char* const kTable = "ledmark_kniga_prod";
const QString kContinue = QStringLiteral("Документ успешно записан.\nЖелаете внести новый документ ? ");

class KnigaProdView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_kniga_prod\ndelete from ledmark_kniga_pokupok\n"
            "delete from system_const where name='system_actual_date'");
        AfxGetApp()->WriteProfileInt("constants", "select_fil_prn", -2);
    }
    CKnigaProdView* OpenNew() { return Open<CKnigaProdView>("книга продаж"); }
    void Close(CWnd* view)
    {
        view->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
    static void Fill(CKnigaProdView* view, const char* total = "1180", const char* org = "1")
    {
        view->SetDlgItemText(IDC_KPR_DATE, DMGtoStr(COleDateTime::GetCurrentTime()));
        view->SetDlgItemText(IDC_KP_NUMBER, "31");
        view->SetDlgItemText(IDC_KP_INVOICE_DATE, "");
        view->SetDlgItemText(IDC_KP_PAID, "");
        view->SetDlgItemText(IDC_KP_TOTAL, total);
        view->SetDlgItemText(IDC_SET_ORG, org);
        for (UINT id : {IDC_KP_NOS18, IDC_KP_S18, IDC_KP_NOS10, IDC_KP_S10, IDC_KP_NOS20, IDC_KP_S20, IDC_KP_S0,
                        IDC_KP_S00})
            view->SetDlgItemText(id, "");
    }
    CString Row(long realId)
    {
        return Stored(kTable, realId,
                      "concat_ws('|',iff,number,s,coalesce(d_sf,'NULL'),coalesce(do,'NULL'),org,icn,"
                      "coalesce(nos18,'NULL'),coalesce(s18,'NULL'),coalesce(s0,'NULL'),id)");
    }
    long LastId() { return (long)Count("select max(real_id) as cnt from ledmark_kniga_prod"); }
    // Three entries of the quarter of 15.03: 18 % and exempt of source 2 in
    // branch 1, 10 % of source 4 in branch 2.
    void ThreeEntries(const char* table)
    {
        const bool sales = CString(table) == kTable;
        const char* dates = sales ? "d" : "d,d_uch";
        const CString day = ChangeDateUS0(ThisYear("15.03"));
        const CString values = sales ? day : day + "," + day;
        Run(FormatText("insert into %s (iff,%s,number,s,org,icn,nos18,s18,fil_id) values (2,%s,'71',1180,1,'Первый',"
                       "1000,180,1)", table, dates, values));
        Run(FormatText("insert into %s (iff,%s,number,s,org,icn,nos10,s10,fil_id) values (4,%s,'72',550,3,'Второй',"
                       "500,50,2)", table, dates, values));
        Run(FormatText("insert into %s (iff,%s,number,s,org,icn,s0,fil_id) values (2,%s,'73',300,4,'Третий',300,1)",
                       table, dates, values));
    }
};

TEST_F(KnigaProdView, WhatASaveRefuses)
{
    CKnigaProdView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    ExpectRefusals(view, {
        {IDC_KPR_DATE, "", "Укажите дату записи"},
        {IDC_KP_TOTAL, "0", "Укажите сумму с/ф"},
        {IDC_KP_TOTAL, "abc", "Укажите сумму с/ф"},
        {IDC_SET_ORG, "", "Укажите код Организации"},
        {IDC_SET_ORG, "42", "Нет такого Контрагента"},
        {IDC_SET_ORG, "1 or 1=1", "Нет такого Контрагента"},
        {IDC_KP_INVOICE_DATE, "31.02.2025", "Неверная дата счета-фактуры"},
        {IDC_KP_PAID, "завтра", "Неверная дата оплаты"},
        {IDC_KP_S18, "abc", "Сумма указывается числом: сумма НДС по ставке 18%"},
        {IDC_KP_S0, "12,3,4", "Сумма указывается числом: продажи освобождаемые от налога"},
    }, [&] { Fill(view); });
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_kniga_prod"), 0);
}

TEST_F(KnigaProdView, EntriesAsTypedTheOfferOfANewOneAndAClosedPeriod)
{
    CKnigaProdView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_KPR_DATE), DMGtoStr(COleDateTime::GetCurrentTime()).ToQString());
    EXPECT_EQ(afxtest::text(view, IDC_KP_SOURCE_NAME), QStringLiteral("Бюджет"));

    struct Case {
        const char* what;
        const char* total;
        const char* org;
        const char* nos18;
        const char* invoiceDate;
        const char* stored;
    } cases[] = {
        {"amounts with a blank and a comma, no dates", "1 234,50", "1", "1 046,19", "",
         "1|31|1234.50|NULL|NULL|1|ООО \"Продторг\"|1046.19|NULL|NULL|0"},
        {"a negative total (a correction), a point, an invoice date", "-100", "3", "-84.7",
         "02.03.2025", "1|31|-100.00|2025-03-02|NULL|3|ПАО \"Связьтелеком\"|-84.70|NULL|NULL|0"},
        {"an employee's counterparty", "1180", "5", "1000", "", "1|31|1180.00|NULL|NULL|5|Петрова Анна Сергеевна|1000.00|NULL|NULL|0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fill(view, c.total, c.org);
        view->SetDlgItemText(IDC_KP_NOS18, c.nos18);
        view->SetDlgItemText(IDC_KP_INVOICE_DATE, c.invoiceDate);
        SaveYes(view, {kContinue});
        EXPECT_EQ(view->GetRealId(), -1) << "Yes: a new entry in the same form";
        EXPECT_EQ(afxtest::text(view, IDC_KP_TOTAL), QString());
        EXPECT_EQ(afxtest::text(view, IDC_KP_NUMBER), QString());
        EXPECT_EQ(afxtest::text(view, IDC_KPR_DATE), DMGtoStr(COleDateTime::GetCurrentTime()).ToQString());
        EXPECT_EQ(Row(LastId()), CString(c.stored));
    }
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_kniga_prod"), 3) << "each Yes inserts the next one";

    // "No" keeps the form on the saved entry; a second save updates it.
    view->m_comboSource.SetCurSel(2);
    Fill(view, "550");
    afxtest::InteractionScript no;
    no.message(QStringLiteral("Записать изменения ? "), IDYES).message(kContinue, IDNO);
    afxtest::click(view, IDOK);
    no.verify();
    const long kept = view->GetRealId();
    EXPECT_EQ(kept, LastId());
    view->SetDlgItemText(IDC_KP_PAID, "05.03.2025");
    afxtest::InteractionScript again;
    again.message(QStringLiteral("Записать изменения ? "), IDYES).message(kContinue, IDNO);
    afxtest::click(view, IDOK);
    again.verify();
    EXPECT_EQ(Row(kept), CString("3|31|550.00|NULL|2025-03-05|1|ООО \"Продторг\"|NULL|NULL|NULL|0"));
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_kniga_prod"), 4);

    // A stored entry of source 3 loads with its source; once its date lies in a
    // closed period it is not saved, while a new entry of today is.
    Close(view);
    Run(FormatText("update ledmark_kniga_prod set d=%s where real_id=%d", ChangeDateUS0(ThisYear("10.01")), kept));
    view = OpenStored<CKnigaProdView>("книга продаж", kept);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_comboSource.GetCurSel(), 2);
    EXPECT_EQ(afxtest::text(view, IDC_KP_SOURCE_NAME), QStringLiteral("ЦС и БП"));
    EXPECT_EQ(afxtest::text(view, IDC_KP_PAID), QStringLiteral("05.03.2025"));
    Run(FormatText("insert into system_const (name,val) values ('system_actual_date','%s')", ThisYear("31.01")));
    view->SetDlgItemText(IDC_KP_TOTAL, "999");
    afxtest::click(view, IDOK);
    EXPECT_EQ(Stored(kTable, kept, "s"), CString("550.00")) << "an entry of a closed period stays as it was";
    view->SetRealId(-1);
    view->SetLoadedDate(CString());
    view->SetSql();
    Fill(view, "200");
    SaveYes(view, {kContinue});
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_kniga_prod"), 5);
    Close(view);
}

TEST_F(KnigaProdView, ThePeriodsListOpensAnEntry)
{
    ThreeEntries(kTable);
    Run(FormatText("update ledmark_kniga_prod set d=%s", ChangeDateUS0(DMGtoStr(COleDateTime::GetCurrentTime()))));
    auto* list = Open<CFormGridView>("ОтчКнигПродаж");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->m_grid.GetNRows(), 4);
    EXPECT_EQ(list->m_grid.GetCellValue(4, 3), CString("Итого"));
    EXPECT_EQ(list->m_grid.GetCellValue(6, 3), CString("2030.00"));
    EXPECT_EQ(list->m_grid.GetCellValue(7, 3), CString("230.00"));
    list->m_grid.SetCurCell(2, 1);
    afxtest::click(list, IDOK);
    Settle();
    auto* view = Active<CKnigaProdView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_KP_NUMBER), QStringLiteral("72"));
    EXPECT_EQ(afxtest::text(view, IDC_SET_ORG_NAME), QStringLiteral("ПАО \"Связьтелеком\""));
}

// Both books: the call text, the branch kept for the next print, and the page
// of the quarter with its totals by rate, all sources and one.
TEST_F(KnigaProdView, TheBooksPrintedByBranchAndSource)
{
    struct Book {
        const char* form;
        const char* table;
        const char* title;
    } books[] = {{"prn_kniga_prod", kTable, "Книга продаж"}, {"prn_kniga_pok", "ledmark_kniga_pokupok", "Книга покупок"}};
    for (const Book& b : books) {
        SCOPED_TRACE(b.form);
        ThreeEntries(b.table);
        AfxGetApp()->WriteProfileInt("constants", "select_fil_prn", -2);
        auto* print = Open<CInvoicePrintView>(b.form);
        ASSERT_NE(print, nullptr);
        print->m_dateFrom = qwDMG(ThisYear("01.01"), 1);
        print->m_dateTo = qwDMG(ThisYear("31.03"), 1);
        print->UpdateData(FALSE);
        EXPECT_EQ(print->CallText(), FormatText("prn(\"%s\",\"%s\",-2,0)", ThisYear("01.01"), ThisYear("31.03")));
        afxtest::click(print, IDOK);
        QString page = ReportPage();
        for (const char* part : {"№ 71", "№ 72", "№ 73", "1000.00", "180.00", "500.00", "50.00", "300.00", "2030.00"})
            EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
        EXPECT_TRUE(page.contains(QString::fromUtf8(b.title)));

        // Branch 1 and source 2: the entry of source 4 in branch 2 is left out.
        for (int i = 0; i < print->m_comboFil.GetCount(); ++i)
            if (print->m_comboFil.GetItemData(i) == 1)
                print->m_comboFil.SetCurSel(i);
        print->m_comboSource.SetCurSel(2);
        EXPECT_EQ(print->CallText(), FormatText("prn(\"%s\",\"%s\",1,2)", ThisYear("01.01"), ThisYear("31.03")));
        afxtest::click(print, IDOK);
        page = ReportPage();
        EXPECT_TRUE(page.contains(QStringLiteral("№ 71")) && page.contains(QStringLiteral("№ 73")))
            << page.toStdString();
        EXPECT_FALSE(page.contains(QStringLiteral("№ 72"))) << "source 4 is left out";
        EXPECT_TRUE(page.contains(QStringLiteral("1480.00"))) << "the total of the two left";
        EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "select_fil_prn", -2), 1u) << "the branch printed is kept";
        Close(print);
        print = Open<CInvoicePrintView>(b.form);
        ASSERT_NE(print, nullptr);
        const int sel = print->m_comboFil.GetCurSel();
        ASSERT_GE(sel, 0);
        EXPECT_EQ((int)print->m_comboFil.GetItemData(sel), 1) << "and offered again";
        Close(print);
    }
}

TEST_F(KnigaProdView, PictureOfAFilledEntry)
{
    CKnigaProdView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Fill(view, "1 180,00", "1");
    view->SetDlgItemText(IDC_KP_INVOICE_DATE, ThisYear("02.03"));
    view->SetDlgItemText(IDC_KP_NOS18, "1000");
    view->SetDlgItemText(IDC_KP_S18, "180");
    view->SetDlgItemText(IDC_KP_S0, "0");
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/sales_book_entry.png"));
}

} // namespace
