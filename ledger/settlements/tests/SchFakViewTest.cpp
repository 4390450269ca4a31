// The issued invoice as a bookkeeper enters it: the year's next number, a
// save with its one posting or none, the services numbered without gaps with
// their fractional quantities, the sample payment order kept across save and
// load, a refused posting that changes nothing, delete with the move to the
// neighbour, copy into a new invoice, the prints' call texts and the
// register's, and a picture of a filled invoice.
#include "CPrnSchFakView.h"
#include "CPrnSchFakVydView.h"
#include "DbDialect.h"
#include "SettlementsProgram.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

const QString kSave = QStringLiteral("Записать изменения ? ");
const char* const kTable = "paymar_sch_fak";

class SchFakView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from paymar_sch_fak1\ndelete from paymar_sch_fak\n"
            "delete from system_const where name in ('prn_sch_fack_vnim','system_actual_date')");
    }
    CPrnSchFakView* NewInvoice() { return Open<CPrnSchFakView>("сч.фак.выд."); }
    void Close(CWnd* view)
    {
        view->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
    // A new invoice to buyer 1 on personal account 2 from 205.31 to
    // 401.01.130 of source 2, dated `date`.
    CPrnSchFakView* Filled(const char* sum = "100", const CString& date = CString())
    {
        CPrnSchFakView* view = NewInvoice();
        if (!view)
            return nullptr;
        view->SetDlgItemText(IDC_SF_LS, "2");
        view->SetDlgItemText(IDC_SET_ORG, "1");
        view->SetDlgItemText(IDC_SF_DEBIT, "220531560");
        view->SetDlgItemText(IDC_SF_CREDIT, "240101130");
        view->SetDlgItemText(IDC_SF_KBK_DEBIT, "3");
        view->SetDlgItemText(IDC_SF_KBK_CREDIT, "3");
        view->SetDlgItemText(IDC_SUM, sum);
        SetDate(view, date.IsEmpty() ? ThisYear("15.03") : date);
        return view;
    }
    static void SetDate(CPrnSchFakView* view, const CString& date)
    {
        view->UpdateData(TRUE);
        view->m_date = qwDMG(date, 1);
        view->UpdateData(FALSE);
    }
    static void Line(CPrnSchFakView* view, long row, const char* name, const char* unit, const char* quantity,
                     const char* sum)
    {
        if (row >= view->m_grid.GetNRows())
            view->m_grid.SetNRows(row + 1);
        const char* cells[] = {name, unit, quantity, sum};
        for (int col = 0; col < SF_COLUMNS; ++col)
            view->m_grid.SetCellValue(col, row, cells[col]);
    }
    // "npp1|name|unit|quantity|sum" of the stored lines.
    CString Lines(long realId)
    {
        return Text(FormatText("select group_concat(concat_ws('|',npp1,coalesce(discr,''),coalesce(ei,''),"
                               "coalesce(kol,''),coalesce(s,'')) order by npp1 separator ' / ') as str "
                               "from paymar_sch_fak1 where real_id=%d",
                               realId));
    }
    // "debit|values|credit|KBKs|sum" of the invoice's postings.
    CString Postings(long realId)
    {
        return Text(FormatText(
            "select group_concat(concat_ws('|',concat(p.deb0,p.deb1,p.deb2,p.deb3),coalesce(p.deb_sb1,''),"
            "coalesce(p.deb_sb2,''),concat(p.kred0,p.kred1,p.kred2,p.kred3),coalesce(p.kbk_deb,''),"
            "coalesce(p.kbk_kred,''),p.s) order by p.npp separator ' / ') as str from ledmark_provodki p "
            "join paymar_sch_fak f on f.id=p.id where f.real_id=%d",
            realId));
    }
    long Stored(const char* number)
    {
        return (long)Count(FormatText("select max(real_id) as cnt from paymar_sch_fak where number='%s'", number));
    }
    long Insert(const char* number, const CString& date)
    {
        Run(FormatText("insert into paymar_sch_fak (d,number,s,nv,org,sch0,sch1,fil_id,icn) values "
                       "(%s,'%s',10,2,1,'220531560','240101130',1,'ООО')",
                       ChangeDateUS0(date), number));
        return (long)Count("select max(real_id) as cnt from paymar_sch_fak");
    }
};

TEST_F(SchFakView, TheNextNumberOfTheYear)
{
    const CString mar = ThisYear("15.03");
    const int year = atoi(mar.Right(4));
    const CString lastYear = FormatText("20.12.%d", year - 1);
    const struct {
        const char* what;
        std::vector<std::pair<const char*, CString>> stored;
        bool leaveOutLast;
        const char* next;
    } cases[] = {
        {"the first of a year", {{"9", lastYear}}, false, "1"},
        {"after a gap", {{"1", mar}, {"5", mar}, {"12", lastYear}}, false, "6"},
        {"the edited invoice left out", {{"1", mar}, {"2", mar}}, true, "2"},
        {"a number with letters counts by its digits", {{"7а", mar}, {"3", mar}}, false, "8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Run("delete from paymar_sch_fak");
        long last = -1;
        for (const auto& [number, date] : c.stored)
            last = Insert(number, date);
        EXPECT_EQ(NextInvoiceNumber(year, c.leaveOutLast ? last : -1), CString(c.next));
    }
    const struct {
        long driver;
        const char* sql;
    } dialects[] = {
        {1, "select ifnull(max(cast(number as unsigned)),0)+1 from paymar_sch_fak where d>='2025-01-01' and "
            "d<='2025-12-31' and real_id<>4"},
        {2, "select coalesce(max(cast(nullif(substring(cast(number as varchar) from '^[0-9]+'),'') as bigint)),0)+1 "
            "from paymar_sch_fak where d>='2025-01-01' and d<='2025-12-31' and real_id<>4"},
        {0, "select isnull(max(cast(left(number,patindex('%[^0-9]%',cast(number as varchar(30))+'x')-1) as bigint)),0)"
            "+1 from paymar_sch_fak where d>='20250101' and d<='20251231' and real_id<>4"},
    };
    for (const auto& d : dialects) {
        SetDriverId(d.driver);
        EXPECT_EQ(NextInvoiceNumberSql(2025, 4), CString(d.sql)) << d.driver;
    }
    SetDriverId(1);
}

TEST_F(SchFakView, SavesChecksAndTheSamplePaymentOrder)
{
    // The checks in their order.
    CPrnSchFakView* view = Filled();
    ASSERT_NE(view, nullptr);
    const struct {
        UINT field;
        const char* input;
        const char* message;
    } refusals[] = {
        {IDC_SF_LS, "", "Укажите № ведомости"},
        {IDC_SF_LS, "99", "Нет такого л/с"},
        {IDC_SET_ORG, "", "Укажите код Организации"},
        {IDC_SET_ORG, "1 or 1=1", "Нет такого кода Организации"},
        {IDC_SF_CONSIGNEE, "77", "Нет такого кода Организации"},
        {IDC_SUM, "0", "Укажите Сумму"},
        {IDC_SUM, "0,00", "Укажите Сумму"},
        {IDC_SF_KBK_DEBIT, "3'", "Код указывается целым числом"},
    };
    for (const auto& r : refusals) {
        SCOPED_TRACE(r.message);
        CString before;
        view->GetDlgItemText(r.field, before);
        view->SetDlgItemText(r.field, r.input);
        Refused(view, r.message, r.field);
        view->SetDlgItemText(r.field, before);
    }
    Run("insert into spr_org (id, name) values (90, 'Без контрагента')");
    view->SetDlgItemText(IDC_SET_ORG, "90");
    Refused(view, "Нет такого Контрагента", IDC_SET_ORG);
    view->SetDlgItemText(IDC_SET_ORG, "1");
    EXPECT_EQ(Count("select count(*) as cnt from paymar_sch_fak"), 0);

    // 0,50 is a sum; the number is the year's next; the services are
    // numbered without gaps, quantities keep their fractions, a line of a
    // quantity below 1 alone is kept; a consignee may be left empty.
    view->SetDlgItemText(IDC_SUM, "0,50");
    Line(view, 0, "Кружок", "мес", "1.5", "0.30");
    Line(view, 2, "", "", "0.5", "");
    Line(view, 4, "Консультация", "", "", "");
    const CString sample = "Получатель: \"УФК\" O'Brien\r\nНазначение: оплата";
    view->SetDlgItemText(IDC_SF_SAMPLE, sample);
    view->CheckDlgButton(IDC_SF_SAMPLE_SHOWN, BST_CHECKED);
    SaveYes(view, {QStringLiteral("Образец платежного поручения изменен\nЗапомнить новый образец платежного поручения ? ")});
    const long realId = view->ShownRealId();
    ASSERT_GT(realId, 0);
    EXPECT_EQ(view->GetRealId(), realId);
    EXPECT_EQ(Text(FormatText("select concat_ws('|',number,s,coalesce(org2,'null'),icn,obrazec) as str from "
                              "paymar_sch_fak where real_id=%d", realId)),
              CString("1|0.50|null|ООО \"Продторг\"|1"));
    EXPECT_EQ(Lines(realId), CString("0|Кружок|мес|1.500|0.30 / 1|||0.500| / 2|Консультация|||"));
    EXPECT_EQ(Postings(realId), CString("220531560|1||240101130|3|3|0.50"));
    EXPECT_EQ(Text("select val as str from system_const where name='prn_sch_fack_vnim'"),
              CString("Получатель: \"УФК\" O'Brien<br>Назначение: оплата"));
    QString shown = afxtest::text(view, IDC_SF_SAMPLE);
    EXPECT_EQ(shown.remove(QLatin1Char('\r')), QString(sample.ToQString()).remove(QLatin1Char('\r')))
        << "the text comes back with its line breaks";
    EXPECT_EQ(view->m_grid.GetCellValue(SF_QUANTITY, 0), CString("1.5"));
    EXPECT_EQ(view->m_grid.GetNRows(), 4) << "the lines and one empty row";

    // A stored invoice saved without posting loses its posting; the box is
    // set when it is loaded again; no question about the sample.
    const long documentId = view->DocumentId();
    ASSERT_GT(documentId, 0);
    view->CheckDlgButton(IDC_SF_NO_POSTING, BST_CHECKED);
    view->SetDlgItemText(IDC_SF_SAMPLE, "Другой образец");
    SaveYes(view);
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_provodki where id=%d", documentId)), 0);
    EXPECT_EQ(Text(FormatText("select coalesce(id,'null') as str from paymar_sch_fak where real_id=%d", realId)),
              CString("null"));
    Close(view);
    view = OpenStored<CPrnSchFakView>("сч.фак.выд.", realId);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->IsDlgButtonChecked(IDC_SF_NO_POSTING), (UINT)BST_CHECKED);
    EXPECT_FALSE(view->GetDlgItem(IDC_SF_REAL_ID)->IsWindowEnabled()) << "the opener named the invoice";
    EXPECT_FALSE(view->GetDlgItem(IDC_SF_DEBIT)->IsWindowEnabled());

    // Posted again: a posting refused by the ledger leaves the invoice and
    // its lines as they were.
    view->CheckDlgButton(IDC_SF_NO_POSTING, BST_UNCHECKED);
    view->SetDlgItemText(IDC_SUM, "200");
    Line(view, 0, "Другое", "", "", "200");
    ASSERT_TRUE(scripts.Define("local insert = GL_InsertProvodka\n"
                               "function GL_InsertProvodka(...) return 0 end\n"
                               "function RestoreInsert() GL_InsertProvodka = insert end"));
    SaveYes(view);
    ASSERT_TRUE(scripts.Define("RestoreInsert()"));
    EXPECT_EQ(Text(FormatText("select concat_ws('|',s,coalesce(id,'null')) as str from paymar_sch_fak "
                              "where real_id=%d", realId)),
              CString("0.50|null"));
    EXPECT_EQ(Lines(realId), CString("0|Кружок|мес|1.500|0.30 / 1|||0.500| / 2|Консультация|||"));
}

TEST_F(SchFakView, DeleteMovesToTheNeighbourAndCopyMakesANewInvoice)
{
    const long first = Insert("1", ThisYear("10.03"));
    const long second = Insert("2", ThisYear("11.03"));
    CPrnSchFakView* view = Open<CPrnSchFakView>("сч.фак.выд.");
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_SF_REAL_ID, FormatText("%d", second));
    EXPECT_EQ(afxtest::text(view, IDC_NUMBER), QStringLiteral("2"));

    // Copy: the year's next number, no record number, no kept date; the save
    // inserts a new invoice with a document id of its own.
    afxtest::InteractionScript copy;
    copy.message(QStringLiteral("Ввести новую счет фактуру\nна основании текущей ? "), IDYES);
    afxtest::click(view, IDC_SF_COPY);
    copy.verify();
    EXPECT_EQ(afxtest::text(view, IDC_SF_REAL_ID), QString());
    EXPECT_EQ(afxtest::text(view, IDC_NUMBER), QStringLiteral("3"));
    EXPECT_EQ(view->GetLoadedDate(), CString());
    view->CheckDlgButton(IDC_SF_NO_POSTING, BST_UNCHECKED);
    view->SetDlgItemText(IDC_SF_KBK_DEBIT, "3");
    view->SetDlgItemText(IDC_SF_KBK_CREDIT, "3");
    SaveYes(view);
    const long third = view->ShownRealId();
    EXPECT_GT(third, second);
    EXPECT_GT(view->DocumentId(), 0);

    // Delete the highest: its posting goes with it and the one before is shown.
    const long thirdId = view->DocumentId();
    afxtest::InteractionScript remove;
    remove.message(QStringLiteral("Удалить этот н/п ? "), IDYES);
    afxtest::click(view, IDC_SF_DELETE);
    remove.verify();
    EXPECT_EQ(view->ShownRealId(), second);
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_provodki where id=%d", thirdId)), 0);
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from paymar_sch_fak1 where real_id=%d", third)), 0);

    // An invoice of a closed period is not deleted.
    Run(FormatText("insert into system_const (name,val) values ('system_actual_date','%s')", ThisYear("31.03")));
    afxtest::InteractionScript closed;
    closed.message(QStringLiteral("Удалить этот н/п ? "), IDYES);
    afxtest::click(view, IDC_SF_DELETE);
    closed.verify();
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from paymar_sch_fak where real_id=%d", second)), 1);
    Run("delete from system_const where name='system_actual_date'");

    // The last but one shows the first; the last leaves an empty form with the box set.
    for (long shown : {first, -1L}) {
        afxtest::InteractionScript again;
        again.message(QStringLiteral("Удалить этот н/п ? "), IDYES);
        afxtest::click(view, IDC_SF_DELETE);
        again.verify();
        EXPECT_EQ(view->ShownRealId(), shown);
    }
    EXPECT_EQ(Count("select count(*) as cnt from paymar_sch_fak"), 0);
    EXPECT_EQ(view->IsDlgButtonChecked(IDC_SF_NO_POSTING), (UINT)BST_CHECKED);
}

TEST_F(SchFakView, PrintCallsAndTheRegister)
{
    CPrnSchFakView* view = Filled("1200");
    ASSERT_NE(view, nullptr);
    Line(view, 0, "Кружок рисования", "мес", "2", "1000");
    Line(view, 1, "Кружок английского", "мес", "1", "200");
    SaveYes(view);
    const long realId = view->ShownRealId();
    ASSERT_GT(realId, 0);
    afxtest::click(view, IDC_SF_PRINT_INVOICE);
    const QString invoice = ReportPage();
    for (const char* part : {"СЧЕТ-ФАКТУРА № 1", "ООО \"Продторг\"", "Кружок рисования", "1200.00"})
        EXPECT_TRUE(invoice.contains(QString::fromUtf8(part))) << part << "\n" << invoice.toStdString();
    afxtest::click(view, IDC_SF_PRINT_CERTIFICATE);
    EXPECT_TRUE(ReportPage().contains(QStringLiteral("АКТ № 1")));
    afxtest::click(view, IDC_SF_PRINT_BILL);
    EXPECT_TRUE(ReportPage().contains(QStringLiteral("СЧЕТ № 1")));
    Close(view);

    // The register's script shows its page through app.report: into the report
    // window, as the program routes it.
    settlementstest::ScriptReportsShown shown;
    auto* journal = Open<CPrnSchFakVydView>("sch_fak_vyd");
    ASSERT_NE(journal, nullptr);
    journal->m_dateFrom = qwDMG(ThisYear("01.03"), 1);
    journal->m_dateTo = qwDMG(ThisYear("31.03"), 1);
    journal->UpdateData(FALSE);
    journal->m_comboFil.SetCurSel(0);
    EXPECT_EQ(journal->CallText(), FormatText("prn(\"%s\",\"%s\",-2,0)", ThisYear("01.03"), ThisYear("31.03")));
    journal->m_comboSource.SetCurSel(3);
    EXPECT_EQ(journal->CallText(), FormatText("prn(\"%s\",\"%s\",-2,3)", ThisYear("01.03"), ThisYear("31.03")));
    afxtest::click(journal, IDOK);
    const QString other = ReportPage();
    EXPECT_TRUE(other.contains(QStringLiteral("учета выставленных счетов-фактур"))) << other.toStdString();
    EXPECT_TRUE(other.contains(QStringLiteral("Счетов-фактур за период нет"))) << "source 3 leaves out the invoice of source 2";
    journal->m_comboSource.SetCurSel(2);
    afxtest::click(journal, IDOK);
    const QString page = ReportPage();
    EXPECT_TRUE(page.contains(QStringLiteral("ООО \"Продторг\""))) << page.toStdString();
}

TEST_F(SchFakView, PictureOfAnInvoiceWithTwoServicesAndTheSample)
{
    CPrnSchFakView* view = Filled("1200");
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_NUMBER, "12");
    Line(view, 0, "Кружок рисования", "мес", "2", "1000");
    Line(view, 1, "Кружок английского языка", "мес", "1", "200");
    view->SetDlgItemText(IDC_SF_SAMPLE, "Получатель: УФК по г. Ольмарску\r\nНазначение платежа: оплата по счету");
    view->CheckDlgButton(IDC_SF_SAMPLE_SHOWN, BST_CHECKED);
    view->SendMessage(WM_COMMAND, IDC_SF_SAMPLE_SHOWN);
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/issued_invoice.png"));
}

} // namespace
