// The waybill of fixed assets and materials as a bookkeeper enters it, for
// both kinds: kept without postings (the box on for a new one) or posted,
// each line then taking the items on the recipient's account and off the
// sender's; the line checks; a refused posting and a closed stored date that
// write nothing; the item picker and its filters; the price from the
// sender's balance; the printed page and its picture.
#include "COsNaklView.h"
#include "ChooserForm.h"
#include "SettlementsProgram.h"
#include "CHelpers.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

// One kind of waybill with the accounts and items its cases use.
struct Kind {
    int mode;
    const char* document;
    const char* table;
    const char* debit;             // the recipient's account
    const char* debitValues[3];    // its analytic values (the item's own left empty)
    const char* credit;            // the sender's account
    const char* creditValues[3];
    const char* itemA;             // with a balance of the sender: 10 at 45.00
    const char* itemB;
    const char* itemC;
    const char* unknownMessage;
    const char* sideA;             // the sender's side of item A as the postings write it: "account|v1|v2|v3"
    const char* recipientA;        // the recipient's side of item A
    const char* department;        // the recipient's department, printed
};

const Kind kAssets{0,
                   "Накладная по ОС",
                   "ledmark_os_nakl",
                   "110136310",
                   {"", "3", "3"},
                   "110134310",
                   {"", "4", "1"},
                   "2",
                   "3",
                   "6",
                   "Нет такого основного средства",
                   "110134310|2|4|1",
                   "110136310|2|3|3",
                   "Группы"};
const Kind kMaterials{1,
                      "Накладная по МЗ",
                      "ledmark_mat_nakl",
                      "110535340",
                      {"", "4", "2"},
                      "110536340",
                      {"", "3", ""},
                      "2",
                      "5",
                      "1",
                      "Нет такого материала",
                      "110536340|2|3|",
                      "110535340|2|4|2",
                      "Пищеблок"};

class OsNaklView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_os_nakl\ndelete from ledmark_mat_nakl\ndelete from ledmark_provodki");
        // The sender's stock of item A of either kind: 10 at 45.00, posted by another document.
        Run("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb, kred0, "
            "kred1, kred2, kred3, kol, s, fil_id) values "
            "(900, 1, makedate(year(curdate()), 1), '1', '105', '36', '340', '2', '3', null, 2, '1', '000', '00', "
            "'000', 10, 450, 1), "
            "(900, 2, makedate(year(curdate()), 1), '1', '101', '34', '310', '2', '4', '1', 2, '1', '000', '00', "
            "'000', 10, 450, 1)");
    }
    COsNaklView* OpenNew(const Kind& k)
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0(k.document, k.mode, nullptr), 1);
        COsNaklView* view = Active<COsNaklView>();
        if (view)
            Fill(view, k);
        return view;
    }
    COsNaklView* Reopen(const Kind& k, long realId)
    {
        EXPECT_EQ(CHelpers::I_OpenDocument(realId, nullptr, k.document, k.mode), 1);
        return Active<COsNaklView>();
    }
    static void Fill(COsNaklView* view, const Kind& k)
    {
        view->SetDlgItemText(IDC_ON_DEBIT, k.debit);
        view->SetDlgItemText(IDC_ON_CREDIT, k.credit);
        static const UINT debit[3] = {IDC_ON_DEBIT_SB1, IDC_ON_DEBIT_SB2, IDC_ON_DEBIT_SB3};
        static const UINT credit[3] = {IDC_ON_CREDIT_SB1, IDC_ON_CREDIT_SB2, IDC_ON_CREDIT_SB3};
        for (int i = 0; i < 3; ++i) {
            view->SetDlgItemText(debit[i], k.debitValues[i]);
            view->SetDlgItemText(credit[i], k.creditValues[i]);
        }
        view->SetDlgItemText(IDC_ON_KBK_DEBIT, "2");
        view->SetDlgItemText(IDC_ON_KBK_CREDIT, "2");
    }
    static void Line(COsNaklView* view, long row, const char* item, const char* asked, const char* released,
                     const char* price)
    {
        if (view->m_grid.GetNRows() <= row)
            view->m_grid.SetNRows(row + 1);
        view->m_grid.SetCellValue(ON_ITEM, row, item);
        view->m_grid.SetCellValue(ON_ASKED, row, asked);
        view->m_grid.SetCellValue(ON_RELEASED, row, released);
        view->m_grid.SetCellValue(ON_PRICE, row, price);
    }
    static void Posted(COsNaklView* view, bool posted)
    {
        afxtest::setChecked(view, IDC_ON_NO_POSTING, !posted);
        EXPECT_EQ(view->IsDlgButtonChecked(IDC_ON_NO_POSTING) == 0, posted);
    }
    void SaveAndClose(COsNaklView* view)
    {
        SaveYes(view);
        Settle();
        for (const auto& message : scripts.messages)
            ADD_FAILURE() << message;
        for (const auto& report : dbReports.reports())
            ADD_FAILURE() << report.headline.ToStdString() << report.details.ToStdString();
    }
    long LastRow(const Kind& k)
    {
        return (long)Count(FormatText("select coalesce(max(real_id),0) as cnt from %s", k.table));
    }
    // "npp|account|v1|v2|v3|counter|s|kol|kbk_deb|kbk_kred" of the waybill's postings.
    CString Postings(const Kind& k, long realId)
    {
        return Text(FormatText(
            "select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),coalesce(p.deb_sb1,''),"
            "coalesce(p.deb_sb2,''),coalesce(p.deb_sb3,''),concat(p.kred0,p.kred1,p.kred2,p.kred3),p.s,p.kol,"
            "coalesce(p.kbk_deb,''),coalesce(p.kbk_kred,'')) order by p.npp separator ' / ') as str "
            "from ledmark_provodki p join %s a on a.id=p.id where a.real_id=%d",
            k.table, realId));
    }
};

TEST_F(OsNaklView, KeptUnpostedThenPostedThenSwitchedBackForBothKinds)
{
    for (const Kind* k : {&kAssets, &kMaterials}) {
        SCOPED_TRACE(k->document);
        // A new waybill: the box on, its basis, saved without postings.
        COsNaklView* view = OpenNew(*k);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->Mode(), k->mode);
        EXPECT_EQ(afxtest::text(view, IDC_ON_ICN), QStringLiteral("Выписка накладной"));
        EXPECT_TRUE(view->IsDlgButtonChecked(IDC_ON_NO_POSTING));
        Line(view, 0, k->itemA, "2", "2", "45");
        Settle();
        EXPECT_FALSE(view->m_grid.GetCellValue(ON_NAME, 0).IsEmpty()) << "the name from the book";
        EXPECT_EQ(view->m_grid.GetCellValue(ON_SUM, 0), CString("90.00"));
        const long before = (long)Count("select count(*) as cnt from ledmark_provodki");
        SaveAndClose(view);
        const long realId = LastRow(*k);
        ASSERT_GT(realId, 0);
        EXPECT_EQ(Stored(k->table, realId, "id"), CString("-1"));
        EXPECT_EQ(Stored(k->table, realId, "s"), CString("90.00"));
        EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki"), before);

        // Reopened: the box on; cleared, two lines posted and one only requested.
        view = Reopen(*k, realId);
        ASSERT_NE(view, nullptr);
        EXPECT_TRUE(view->IsDlgButtonChecked(IDC_ON_NO_POSTING));
        EXPECT_EQ(view->m_grid.GetCellValue(ON_ITEM, 0), CString(k->itemA));
        Posted(view, true);
        Line(view, 1, k->itemB, "4", "4", "30");
        Line(view, 2, k->itemC, "3", "", "");
        Settle();
        SaveAndClose(view);
        const CString id = Stored(k->table, realId, "id");
        EXPECT_GT(atol(id), 0);
        EXPECT_EQ(Stored(k->table, realId, "s"), CString("210.00")) << "the total of the sums";
        const CString recipientB = CString(k->recipientA).Left(CString(k->recipientA).Find('|') + 1) + k->itemB
            + CString(k->recipientA).Mid(CString(k->recipientA).Find('|', CString(k->recipientA).Find('|') + 1));
        const CString senderB = CString(k->sideA).Left(CString(k->sideA).Find('|') + 1) + k->itemB
            + CString(k->sideA).Mid(CString(k->sideA).Find('|', CString(k->sideA).Find('|') + 1));
        EXPECT_EQ(Postings(*k, realId),
                  FormatText("1|%s|100000000|90.00|2.000|2|2 / 2|%s|100000000|-90.00|-2.000|2|2 / "
                             "3|%s|100000000|120.00|4.000|2|2 / 4|%s|100000000|-120.00|-4.000|2|2",
                             k->recipientA, k->sideA, recipientB, senderB));

        // Switched to unposted: its postings go, the other document's stay.
        view = Reopen(*k, realId);
        ASSERT_NE(view, nullptr);
        EXPECT_FALSE(view->IsDlgButtonChecked(IDC_ON_NO_POSTING));
        Posted(view, false);
        SaveAndClose(view);
        EXPECT_EQ(Stored(k->table, realId, "id"), CString("-1"));
        EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_provodki where id=%s", id)), 0);
        EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki where id=900"), 2);
    }
}

TEST_F(OsNaklView, TheChecksStopTheSaveAndWriteNothing)
{
    for (const Kind* k : {&kAssets, &kMaterials}) {
        SCOPED_TRACE(k->document);
        COsNaklView* view = OpenNew(*k);
        ASSERT_NE(view, nullptr);
        struct Case {
            const char* message;
            std::function<void()> change;
            UINT focus;
        } cases[] = {
            {"Укажите № документа", [&] { view->SetDlgItemText(IDC_NUMBER, ""); }, IDC_NUMBER},
            {"Укажите основание", [&] { view->SetDlgItemText(IDC_ON_ICN, ""); }, IDC_ON_ICN},
            {"Нет такого КБК", [&] { view->SetDlgItemText(IDC_ON_KBK_CREDIT, "2 or 1=1"); }, IDC_ON_KBK_CREDIT},
            {"Укажите дебетовый счет", [&] {
                 Posted(view, true);
                 view->SetDlgItemText(IDC_ON_DEBIT, "");
             }, IDC_ON_DEBIT},
            {"Нет такого счета", [&] {
                 Posted(view, true);
                 view->SetDlgItemText(IDC_ON_CREDIT, "199999999");
             }, IDC_ON_CREDIT},
            {"Укажите количество", [&] { Line(view, 0, k->itemA, "0", "", "45"); }, 0},
            {k->unknownMessage, [&] { Line(view, 0, "999999", "1", "1", "45"); }, 0},
            {"Укажите что выдали-то", [&] { Line(view, 0, "", "", "", ""); }, 0},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.message);
            view->SetDlgItemText(IDC_NUMBER, "7");
            view->SetDlgItemText(IDC_ON_ICN, "Выписка накладной");
            Fill(view, *k);
            Posted(view, false);
            Line(view, 0, k->itemA, "1", "1", "45");
            c.change();
            Settle();
            Refused(view, c.message, c.focus);
        }
        EXPECT_EQ(LastRow(*k), 0);
        view->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
}

// A posting the posting script refuses (the sender's account is a credit
// account, which the sender's decrease cannot be written on) writes neither
// the waybill nor any posting; a stored waybill of a closed period stays.
TEST_F(OsNaklView, ARefusedPostingAndAClosedDateWriteNothing)
{
    COsNaklView* view = OpenNew(kMaterials);
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_ON_CREDIT, "110536440");
    view->SetDlgItemText(IDC_ON_CREDIT_SB2, "3");
    Posted(view, true);
    Line(view, 0, "2", "1", "1", "45");
    Settle();
    scripts.Clear();
    SaveYes(view);
    Settle();
    bool refused = false;
    for (const auto& message : scripts.messages)
        refused = refused || QString::fromStdString(message).contains(QStringLiteral("Проводка не записана"));
    EXPECT_TRUE(refused);
    EXPECT_EQ(LastRow(kMaterials), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki"), 2);
    EXPECT_EQ(Active<COsNaklView>(), view) << "the form stays open with its data";
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();

    Run("insert into ledmark_mat_nakl (id, number, d, icn, prim, deb, sb2_deb, kred, sb2_kred, s, grid, fil_id) values "
        "(-1, '5', makedate(year(curdate()) - 1, 100), 'Выписка накладной', 'старая', '110536340', '4', "
        "'110536340', '3', 45, concat_ws(char(2), '2', 'Моющее средство', '1', '1', '45', '45.00'), 1)");
    const long realId = LastRow(kMaterials);
    Run(FormatText("insert into system_const (name, val) values ('system_actual_date', '31.12.%d')",
                   COleDateTime::GetCurrentTime().GetYear() - 1));
    view = Reopen(kMaterials, realId);
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_ON_NOTE, "Изменено");
    scripts.Clear();
    afxtest::click(view, IDOK);
    Settle();
    EXPECT_EQ(Stored("ledmark_mat_nakl", realId, "prim"), CString("старая"));
    EXPECT_FALSE(scripts.messages.empty()) << "the script says the period is closed";
    Run("delete from system_const where name='system_actual_date'");
}

TEST_F(OsNaklView, TheItemPickerItsFiltersThePriceAndTheSum)
{
    // The filters of each kind.
    COsNaklView* assets = OpenNew(kAssets);
    ASSERT_NE(assets, nullptr);
    EXPECT_EQ(assets->ItemFilter(),
              CString("where fil_id=1 and (substring(sch,1,6)='110134' or sch is null or sch='') and kbk_deb=2"));
    assets->SetDlgItemText(IDC_ON_KBK_CREDIT, "2 or 1=1");
    EXPECT_EQ(assets->ItemFilter(), CString("where fil_id=1 and (substring(sch,1,6)='110134' or sch is null or sch='')"));
    assets->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();

    COsNaklView* view = OpenNew(kMaterials);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->ItemFilter(), CString("where (substring(sch,2,5)='10536' or sch is null or sch='')"));

    // Three items chosen on row 1 fill it and the two below, one empty row stays.
    Line(view, 0, "4", "1", "", "");
    Settle();
    QStringList listed;
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER_MULTI, [&](afxtest::DialogStep& d) {
        for (const QString& row : pickertest::Rows(d))
            listed << row.section(QStringLiteral("   "), 0, 0);
        pickertest::ClickRows(d, {"2   ", "5   ", "1   "});
    });
    AfxFireEvent(&view->m_grid, 5, {AfxEventArg(short(ON_ITEM)), AfxEventArg(short(1))});
    script.verify();
    Settle();
    EXPECT_TRUE(listed.contains(QStringLiteral("2")) && listed.contains(QStringLiteral("5"))
                && !listed.contains(QStringLiteral("4")))
        << listed.join(",").toStdString() << ": items of 105.36 and those without an account";
    ASSERT_EQ(view->m_grid.GetNRows(), 5);
    EXPECT_EQ(view->m_grid.GetCellValue(ON_ITEM, 0), CString("4"));
    for (long row = 1; row <= 3; ++row)
        EXPECT_FALSE(view->m_grid.GetCellValue(ON_ITEM, row).IsEmpty()) << row;
    EXPECT_EQ(view->m_grid.GetCellValue(ON_ITEM, 4), CString());
    EXPECT_EQ(view->m_grid.GetCurRow(), 1);
    EXPECT_EQ(view->m_grid.GetCurCol(), ON_ASKED);

    // The price comes from the sender's balance only in a posted waybill; the
    // sum follows the released quantity and the price in both.
    const long row = view->m_grid.GetCellValue(ON_ITEM, 1) == "2" ? 1 : view->m_grid.GetCellValue(ON_ITEM, 2) == "2" ? 2 : 3;
    ASSERT_EQ(view->m_grid.GetCellValue(ON_ITEM, row), CString("2"));
    view->m_grid.SetCellValue(ON_RELEASED, row, "3");
    EXPECT_EQ(view->m_grid.GetCellValue(ON_PRICE, row), CString());
    view->m_grid.SetCellValue(ON_PRICE, row, "10");
    EXPECT_EQ(view->m_grid.GetCellValue(ON_SUM, row), CString("30.00"));
    Posted(view, true);
    view->m_grid.SetCellValue(ON_RELEASED, row, "4");
    EXPECT_EQ(view->m_grid.GetCellValue(ON_PRICE, row), CString("45.00"));
    EXPECT_EQ(view->m_grid.GetCellValue(ON_SUM, row), CString("180.00"));

    // "Уд-ть строку" empties the row; the row stays.
    view->m_grid.SetCurCell(ON_ITEM, row);
    afxtest::InteractionScript clear;
    clear.message(QStringLiteral("Удалить эту строку ? "), IDYES);
    view->SendMessage(WM_COMMAND, ID_DELETE_LINE);
    clear.verify();
    EXPECT_EQ(view->m_grid.GetNRows(), 5);
    for (int col = 0; col < kOsNaklColumns; ++col)
        EXPECT_EQ(view->m_grid.GetCellValue(col, row), CString()) << col;
}

// The printed page of each kind, parsed.
TEST_F(OsNaklView, ThePrintedWaybill)
{
    struct Case {
        const Kind* kind;
        bool unit;
    } cases[] = {{&kAssets, false}, {&kMaterials, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind->document);
        COsNaklView* view = OpenNew(*c.kind);
        ASSERT_NE(view, nullptr);
        view->SetDlgItemText(IDC_NUMBER, "12");
        view->m_date = COleDateTime(COleDateTime::GetCurrentTime().GetYear(), 3, 5, 0, 0, 0);
        view->UpdateData(FALSE);
        Line(view, 0, c.kind->itemA, "2", "2", "45");
        Line(view, 1, c.kind->itemB, "3", "1", "1000.5");
        Settle();
        const CString html = view->PrintedPage();
        afxtest::click(view, IDC_ON_PRINT);
        Settle();
        const QString page = ReportPage();
        EXPECT_TRUE(page.contains(QStringLiteral("НАКЛАДНАЯ (ТРЕБОВАНИЕ) № 12"))) << page.toStdString();
        EXPECT_TRUE(page.contains(FormatText("за 5 марта %d г.", COleDateTime::GetCurrentTime().GetYear()).ToQString()));
        EXPECT_FALSE(page.contains(QStringLiteral(" 200_")));
        EXPECT_TRUE(page.contains(GetFilRuk(1, 1).ToQString()));
        EXPECT_TRUE(page.contains(QStringLiteral("Итого")));
        EXPECT_TRUE(page.contains(QStringLiteral("1090.50")));
        EXPECT_TRUE(page.contains(CHelpers::GetWrittenRubles(1090.5, 0).ToQString()));
        EXPECT_TRUE(page.contains(QStringLiteral("Отпустил")) && page.contains(QStringLiteral("Получил")));
        EXPECT_TRUE(page.contains(QString::fromUtf8(c.kind->department)));
        // Both responsible persons by name.
        for (const char* tn : {"3", "4"})
            EXPECT_TRUE(page.contains(GetFio(tn).ToQString())) << tn;
        const CString unit = GL_GetMatEI(kMaterials.itemA);
        ASSERT_FALSE(unit.IsEmpty());
        EXPECT_EQ(html.Find("<td align=left>" + unit + "&nbsp;</td>") >= 0, c.unit);
        view->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
}

TEST_F(OsNaklView, PictureOfTheFormAndOfThePrintedMaterialsWaybill)
{
    COsNaklView* view = OpenNew(kMaterials);
    ASSERT_NE(view, nullptr);
    Line(view, 0, "2", "2", "2", "45");
    Line(view, 1, "5", "4", "4", "30");
    Settle();
    QCoreApplication::processEvents();
    const QString folder = QCoreApplication::applicationDirPath();
    EXPECT_TRUE(afxtest::grab(view->GetParentFrame()).save(folder + "/os_nakl_form.png"));
    afxtest::click(view, IDC_ON_PRINT);
    Settle();
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    const QImage picture = afxtest::grab(report->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 2);
    EXPECT_TRUE(picture.save(folder + "/os_nakl_print.png"));
}

} // namespace
