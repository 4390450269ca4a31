// The materials write-off as a bookkeeper enters it: each row's balance,
// average price, sum and remainder from the responsible person's balance;
// the save posting each row from stock to the expense account with the row's
// economic code, and to the off-balance account when one is given; a stored
// write-off adding its own rows back, so a re-save posts what the first save
// did; a write-off kept only by its lines; the prints; a picture.
#include "CMaterialsSpisView.h"
#include "SettlementsProgram.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

const char* const kStock = "110536440";    // 105.36 of source 1: item, responsible person
const char* const kExpense = "140101272";  // 401.01.272: economic code (hidden), department
const char* const kOffer = "Документ успешно записан.\nЖелаете внести новый документ ? ";

class MaterialsSpisView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_mat_spis");
        Run("delete from ledmark_mat_spis1");
        Run("delete from ledmark_provodki");
        CWinApp* app = AfxGetApp();
        app->WriteProfileString("constants", "mat_spis_deb", kExpense);
        app->WriteProfileString("constants", "mat_spis_kred", kStock);
    }
    // A stock balance of `item` of employee 1 on the first day of the year.
    void Balance(const char* quantity, const char* sum, const char* item = "2")
    {
        Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kred0, kred1, "
                       "kred2, kred3, kol, s, fil_id) values (900, 1, makedate(year(curdate()), 1), '1', '105', '36', "
                       "'340', %s, '1', '1', '000', '00', '000', %s, %s, 1)",
                       item, quantity, sum));
    }
    CMaterialsSpisView* OpenNew()
    {
        CMaterialsSpisView* view = Open<CMaterialsSpisView>("спис.мат.");
        if (view) {
            view->SetDlgItemText(IDC_SET_TN, "1");
            view->SetDlgItemText(IDC_MS_SB2, "3");
        }
        return view;
    }
    static void Line(CMaterialsSpisView* view, long row, const char* item, const char* kol)
    {
        view->m_grid.SetCellValue(MS_ITEM, row, item);
        view->m_grid.SetCellValue(MS_KOL, row, kol);
    }
    // "available|sum|price|written off|remaining|sum" of a row.
    static CString Figures(CMaterialsSpisView* view, long row)
    {
        CString text;
        for (int col : {MS_KOL1, MS_SUM1, MS_PRICE, MS_SUM, MS_KOL2, MS_SUM2})
            text += (col == MS_KOL1 ? "" : "|") + view->m_grid.GetCellValue(col, row);
        return text;
    }
    static void SaveNoNew(CWnd* view)
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDYES).message(QString::fromUtf8(kOffer), IDNO);
        afxtest::click(view, IDOK);
        script.verify();
    }
    // "npp|debit|values|credit|values|s|kol" of the postings of a write-off.
    CString Postings(long realId)
    {
        return Text(FormatText(
            "select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),coalesce(p.deb_sb1,''),"
            "coalesce(p.deb_sb2,''),coalesce(p.deb_sb3,''),coalesce(concat(p.kred0,p.kred1,p.kred2,p.kred3),''),"
            "coalesce(p.kred_sb1,''),coalesce(p.kred_sb2,''),p.s,coalesce(p.kol,'')) order by p.npp separator ' / ') "
            "as str from ledmark_provodki p join ledmark_mat_spis a on a.id=p.id where a.real_id=%d",
            realId));
    }
    void Close(CMaterialsSpisView* view)
    {
        view->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
};

TEST_F(MaterialsSpisView, EachRowShowsItsBalancePriceSumAndRemainder)
{
    struct Row {
        const char* item;
        const char* kol;
        const char* figures;
    };
    struct Case {
        const char* name;
        const char* quantity;  // the balance; null: none stored
        const char* sum;
        std::vector<Row> rows;
    };
    const Case cases[] = {
        {"part of the balance", "10", "1000", {{"2", "3", "10|1000.00|100.00|300.00|7|700.00"}}},
        {"the last units take the whole sum", "3", "100", {{"2", "3", "3|100.00|33.33|100.00|0|0.00"}}},
        {"a typed decimal comma", "1", "10", {{"2", "0,25", "1|10.00|10.00|2.50|0.75|7.50"}}},
        {"a decimal point", "1", "10", {{"2", "0.25", "1|10.00|10.00|2.50|0.75|7.50"}}},
        {"two rows of one item", "10", "1000",
         {{"2", "3", "10|1000.00|100.00|300.00|7|700.00"}, {"2", "2", "7|700.00|100.00|200.00|5|500.00"}}},
        {"no quantity", "10", "1000", {{"2", "", "10|1000.00|100.00|0.00|10|1000.00"}}},
        {"an empty item", "10", "1000", {{"", "3", "|||||"}}},
        {"a balance below zero", "-2", "-200", {{"2", "1", "-2|-200.00|100.00|100.00|-3|-300.00"}}},
        {"no balance", nullptr, nullptr, {{"2", "1", "0|0.00|0.00|0.00|-1|0.00"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Run("delete from ledmark_provodki");
        if (c.quantity)
            Balance(c.quantity, c.sum);
        CMaterialsSpisView* view = OpenNew();
        ASSERT_NE(view, nullptr);
        for (size_t r = 0; r < c.rows.size(); ++r)
            Line(view, long(r), c.rows[r].item, c.rows[r].kol);
        for (size_t r = 0; r < c.rows.size(); ++r)
            EXPECT_EQ(Figures(view, long(r)), CString(c.rows[r].figures)) << r;
        Close(view);
    }

    Balance("-2", "-200");
    CMaterialsSpisView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Line(view, 0, "2", "1");
    EXPECT_EQ(view->m_grid.GetCellValue(MS_NAME, 0), CString("Моющее средство"));
    EXPECT_EQ(view->m_grid.GetCellValue(MS_UNIT, 0), CString("л"));
    EXPECT_EQ(view->m_grid.GetCellValue(MS_NORM, 0), CString("2"));
    EXPECT_EQ(view->m_grid.GetCellValue(MS_EKR, 0), CString("340000"));
    EXPECT_EQ(view->m_grid.GetCellFgClr(MS_KOL1, 0), RGB(255, 0, 0));
    EXPECT_EQ(view->m_grid.GetNRows(), 2) << "one empty row at the end";

    // "Не пересчитывать остатки" keeps the figures as they are.
    view->CheckDlgButton(IDC_MS_NO_RECALC, BST_CHECKED);
    view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MS_NO_RECALC, BN_CLICKED),
                      (LPARAM)view->GetDlgItem(IDC_MS_NO_RECALC)->GetSafeHwnd());
    view->m_grid.SetCellValue(MS_KOL, 0, "2");
    EXPECT_EQ(view->m_grid.GetCellValue(MS_SUM, 0), CString("100.00"));
    view->CheckDlgButton(IDC_MS_NO_RECALC, BST_UNCHECKED);
    view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MS_NO_RECALC, BN_CLICKED),
                      (LPARAM)view->GetDlgItem(IDC_MS_NO_RECALC)->GetSafeHwnd());

    // A balance that cannot be read shows none, and the save says why.
    ASSERT_TRUE(scripts.Define("function GL_GetOst0() return '' end"));
    view->m_grid.SetCellValue(MS_KOL, 0, "1");
    EXPECT_EQ(Figures(view, 0), CString("|||||"));
    Refused(view, "Не удалось прочитать остаток по счету 110536440 (2): документ не может быть записан", 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_mat_spis"), 0);
}

TEST_F(MaterialsSpisView, SaveCases)
{
    struct Case {
        const char* name;
        const char* zab;
        std::vector<std::array<const char*, 3>> rows;  // item, quantity, economic code
        const char* refusal;
        const char* postings;
        const char* whom = "";        // the recipient of the document
        const char* rowWhom = "";     // the recipient of the first row
    };
    const Case cases[] = {
        {"two rows with their own codes", "",
         {{"2", "3", "340000"}, {"5", "", "340000"}, {"2", "1", "226000"}},
         nullptr,
         "1|140101272|340000|3||110536440|2|1|300.00|3.000 / 2|140101272|226000|3||110536440|2|1|100.00|1.000"},
        {"off balance by source", "102700000", {{"2", "3", "340000"}}, nullptr,
         "1|140101272|340000|3||110536440|2|1|300.00|3.000 / 2|102700000|2|1|1||||300.00|3.000"},
        {"off balance without a source", "100300000", {{"2", "3", "340000"}}, nullptr,
         "1|140101272|340000|3||110536440|2|1|300.00|3.000 / 2|100300000|||||||300.00|3.000"},
        {"no row with a quantity", "", {{"2", "", "340000"}}, "Укажите Материалы для списания", ""},
        {"an unknown off-balance account", "99", {{"2", "3", "340000"}}, "Нет такого счета", ""},
        {"a recipient who is no employee", "", {{"2", "3", "340000"}}, "Нет такого работника", "", "2x"},
        {"a row's recipient who is no employee", "", {{"2", "3", "340000"}}, "Нет такого работника: 77", "", "", "77"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Run("delete from ledmark_provodki");
        Run("delete from ledmark_mat_spis");
        Run("delete from ledmark_mat_spis1");
        Balance("10", "1000");
        CMaterialsSpisView* view = OpenNew();
        ASSERT_NE(view, nullptr);
        view->SetDlgItemText(IDC_MS_ZAB, c.zab);
        view->SetDlgItemText(IDC_MS_WHOM, c.whom);
        for (size_t r = 0; r < c.rows.size(); ++r) {
            Line(view, long(r), c.rows[r][0], c.rows[r][1]);
            view->m_grid.SetCellValue(MS_EKR, long(r), c.rows[r][2]);
        }
        view->m_grid.SetCellValue(MS_WHOM, 0, c.rowWhom);
        if (c.refusal) {
            Refused(view, c.refusal, 0);
            EXPECT_EQ(Count("select count(*) as cnt from ledmark_mat_spis"), 0);
            EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki where id<>900"), 0);
        } else {
            SaveNoNew(view);
            const long realId = view->GetRealId();
            ASSERT_GT(realId, 0);
            EXPECT_EQ(Postings(realId), CString(c.postings));
            // The header keeps the codes typed; the rows keep their figures.
            EXPECT_EQ(Stored("ledmark_mat_spis", realId, "concat_ws('|',coalesce(sb1,'-'),sb2,s,tn,sch_deb,sch_kred)"),
                      CString("-|3|") + (c.rows.size() == 3 ? "400.00" : "300.00") + "|1|140101272|110536440");
            EXPECT_EQ(Text(FormatText("select concat_ws('|',id,kol1,sum1,kol,price,s,kol2,sum2,ekr) as str from "
                                      "ledmark_mat_spis1 where real_id=%d order by npp limit 1",
                                      realId)),
                      CString("2|10.000|1000.00|3.000|100.00|300.00|7.000|700.00|340000"));
        }
        Close(view);
    }
}

TEST_F(MaterialsSpisView, AReSaveOfAWholeRemainderPostsTheSameSums)
{
    Balance("3", "100");
    CMaterialsSpisView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_MS_WHOM, "2");
    Line(view, 0, "2", "3");
    view->m_grid.SetCellValue(MS_WHOM, 0, "4");
    SaveNoNew(view);
    const long realId = view->GetRealId();
    ASSERT_GT(realId, 0);
    const CString first = Postings(realId);
    EXPECT_EQ(first, CString("1|140101272|340000|3||110536440|2|1|100.00|3.000"));
    const long id = Count(FormatText("select id as cnt from ledmark_mat_spis where real_id=%d", realId));
    Close(view);

    view = OpenStored<CMaterialsSpisView>("спис.мат.", realId);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->GetDlgItem(IDC_MS_NO_RECALC)->IsWindowVisible());
    EXPECT_EQ(afxtest::text(view, IDC_MS_WHOM_NAME), QStringLiteral("Иванова Мария Петровна"));
    EXPECT_EQ(view->m_grid.GetCellValue(MS_WHOM, 0), CString("4"));
    view->RecalcAll();
    EXPECT_EQ(Figures(view, 0), CString("3|100.00|33.33|100.00|0|0.00")) << "its own write-off is added back";
    SaveNoNew(view);
    EXPECT_EQ(view->GetRealId(), realId);
    EXPECT_EQ(Postings(realId), first);
    EXPECT_EQ(Count(FormatText("select id as cnt from ledmark_mat_spis where real_id=%d", realId)), id);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_mat_spis1"), 1);

    // A refused posting on the second row leaves the stored write-off as it was.
    Line(view, 1, "999", "1");
    scripts.Clear();
    afxtest::click(view, IDOK);
    EXPECT_FALSE(scripts.messages.empty());
    EXPECT_EQ(Postings(realId), first);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_mat_spis1"), 1);
}

TEST_F(MaterialsSpisView, AStoredRowWithoutADocumentIdGetsAFreshOne)
{
    Balance("10", "1000");
    Run("insert into ledmark_mat_spis (id, number, d, sch_deb, sch_kred, sb2, tn, prim, s, fil_id) values (0, '5', "
        "curdate(), '140101272', '110536440', 3, 1, 'МЦ в производство', 0, 1)");
    const long realId = Count("select max(real_id) as cnt from ledmark_mat_spis");
    CMaterialsSpisView* view = OpenStored<CMaterialsSpisView>("спис.мат.", realId);
    ASSERT_NE(view, nullptr);
    Line(view, 0, "2", "1");
    SaveNoNew(view);
    EXPECT_GT(Count(FormatText("select id as cnt from ledmark_mat_spis where real_id=%d", realId)), 0);
    EXPECT_EQ(Postings(realId), CString("1|140101272|340000|3||110536440|2|1|100.00|1.000"));
}

TEST_F(MaterialsSpisView, AWriteOffKeptByItsLinesIsShownAndPrinted)
{
    Run("insert into ledmark_mat_spis (id, number, d, sch_deb, sch_kred, sb2, tn, prim, s, fil_id) values (951, '8', "
        "curdate(), '140101272', '110536440', 3, 1, 'Хозяйственные нужды', 42, 1)");
    const long realId = Count("select max(real_id) as cnt from ledmark_mat_spis");
    Run(FormatText("insert into ledmark_mat_spis1 (real_id, id, kol1, sum1, kol, price, s, kol2, sum2) values "
                   "(%d, 5, 20, 600, 1, 30, 30, 19, 570), (%d, 2, 4, 48, 1, 12, 12, 3, 36)",
                   realId, realId));
    CMaterialsSpisView* view = OpenStored<CMaterialsSpisView>("спис.мат.", realId);
    ASSERT_NE(view, nullptr);
    Settle();
    EXPECT_EQ(view->m_grid.GetCellValue(MS_ITEM, 0), CString("2")) << "in item order";
    EXPECT_EQ(view->m_grid.GetCellValue(MS_NAME, 0), CString("Моющее средство"));
    EXPECT_EQ(view->m_grid.GetCellValue(MS_UNIT, 0), CString("л"));
    EXPECT_EQ(atof(view->m_grid.GetCellValue(MS_SUM, 1)), 30.0);
    EXPECT_EQ(view->m_grid.GetNRows(), 3);

    struct Print {
        UINT button;
        std::string call;
        std::string context;
        const char* title;
    };
    const std::string key = std::to_string(realId);
    settlementstest::ScriptReportsShown shown;
    const Print prints[] = {
        {IDC_MS_PRINT_230, "PrepareTheReport(\"" + key + "\")", "Form.спис.мат.", "АКТ О СПИСАНИИ МАТЕРИАЛЬНЫХ ЗАПАСОВ"},
        {IDC_MS_PRINT_210, "PrepareTheReport(\"" + key + "\")", "Form.спис.мат.:1", "ВЕДОМОСТЬ ВЫДАЧИ"},
        {IDC_MS_PRINT_143, "Prn_mat(" + key + ")", "", "МЯГКОГО И ХОЗЯЙСТВЕННОГО ИНВЕНТАРЯ"},
    };
    for (const Print& p : prints) {
        SCOPED_TRACE(p.title);
        scripts.calls.clear();
        afxtest::click(view, p.button);
        bool called = false;
        for (const auto& call : scripts.calls)
            called = called || (call.call == p.call && (p.context.empty() || call.context == p.context));
        EXPECT_TRUE(called);
        const QString page = ReportPage();
        for (const char* part : {p.title, "Моющее средство", "Лампа светодиодная", "42.00"})
            EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
    }
}

TEST_F(MaterialsSpisView, AWriteOffOfAClosedPeriodIsNeitherChangedNorDeleted)
{
    Run("insert into ledmark_mat_spis (id, number, d, sch_deb, sch_kred, sb2, tn, prim, s, fil_id) values (950, '1', "
        "makedate(year(curdate()) - 1, 100), '140101272', '110536440', 3, 1, 'МЦ в производство', 10, 1)");
    const long realId = Count("select max(real_id) as cnt from ledmark_mat_spis");
    Run(FormatText("insert into ledmark_mat_spis1 (real_id, id, kol, s) values (%d, 2, 1, 10)", realId));
    Run(FormatText("insert into system_const (name, val) values ('system_actual_date', '31.12.%d')",
                   COleDateTime::GetCurrentTime().GetYear() - 1));
    CMaterialsSpisView* view = OpenStored<CMaterialsSpisView>("спис.мат.", realId);
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_MS_NOTE, "Изменено");
    scripts.Clear();
    afxtest::click(view, IDOK);
    EXPECT_EQ(Stored("ledmark_mat_spis", realId, "prim"), CString("МЦ в производство"));
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Удалить этот документ ? "), IDYES);
        view->SendMessage(WM_COMMAND, IDC_MS_DELETE);
        script.verify();
    }
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_mat_spis1"), 1);
    Run("delete from system_const where name='system_actual_date'");

    // Once the period is open the delete takes postings, header and lines.
    view->SetDlgItemText(IDC_MS_NOTE, "МЦ в производство");
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Удалить этот документ ? "), IDYES);
        view->SendMessage(WM_COMMAND, IDC_MS_DELETE);
        script.verify();
    }
    Settle();
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_mat_spis"), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_mat_spis1"), 0);
}

TEST_F(MaterialsSpisView, PictureOfAWriteOff)
{
    Balance("10", "1000");
    Balance("20", "600", "5");
    CMaterialsSpisView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_MS_WHOM, "2");
    Line(view, 0, "2", "3");
    Line(view, 1, "5", "4");
    Line(view, 2, "2", "7");
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/mat_spis.png"));
}

} // namespace
