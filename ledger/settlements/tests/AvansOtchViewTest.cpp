// The advance report as a bookkeeper enters it: the person with the
// department, position and previous advance, the earlier report (the latest
// other one), the lines posted against the report's account with the pair
// through 501.03 and 502.01, empty rows taking no line number; the checks
// and every answer of the posting test refusing the save where it points;
// the same previous advance when the report is opened again; a refused
// re-save keeping the postings; the print and a picture of the lines.
#include "AvansPostings.h"
#include "CAvansOtchView.h"
#include "SettlementsProgram.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

const char* const kAccount = "220826660";  // 208.26, dimensions: employee, economic code

class AvansOtchView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_avans_otch");
        // The advance issued to the demo user: 3000 on 208.26.
        Run("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kred0, kred1, kred2, "
            "kred3, s, fil_id) values (900, 1, makedate(year(curdate()), 1), '2', '208', '26', '560', '1', '226000', "
            "'2', '201', '34', '610', 3000, 1)");
        AfxGetApp()->WriteProfileString("constants", "ledmark_avans_otch_sch", kAccount);
        AfxGetApp()->WriteProfileInt("constants", "ledmark_avans_otch_501", 1);
    }
    CAvansOtchView* OpenNew() { return Open<CAvansOtchView>("Аванс.отчет"); }
    // A report of the demo user with its header filled.
    CAvansOtchView* NewReport()
    {
        CAvansOtchView* view = OpenNew();
        if (!view)
            return nullptr;
        view->SetDlgItemText(IDC_SET_TN, "1");
        view->SetDlgItemText(IDC_AV_ICN, "Хозяйственные нужды");
        view->SetDlgItemText(IDC_AV_SUM, "1500");
        return view;
    }
    // A line: dates, document, note, claimed and accepted, economic code, debit and its values.
    static void Line(CAvansOtchView* view, long row, const char* amount, const char* debit, const char* d1,
                     const char* d2, const char* d3, const char* ekr = "226000")
    {
        const char* cells[] = {"01.03", "02.03", "15", "Ремонт", amount, amount, ekr, debit, d1, d2, d3};
        for (int col = 0; col < 11; ++col)
            view->m_grid.SetCellValue(col, row, col < 2 ? ThisYear(cells[col]) : CString(cells[col]));
    }
    // "npp|debit|values|credit|values|s" of the report's postings.
    CString Postings(long realId)
    {
        return Text(FormatText(
            "select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),coalesce(p.deb_sb1,''),"
            "coalesce(p.deb_sb2,''),coalesce(p.deb_sb3,''),concat(p.kred0,p.kred1,p.kred2,p.kred3),"
            "coalesce(p.kred_sb1,''),coalesce(p.kred_sb2,''),coalesce(p.kred_sb3,''),p.s) order by p.npp separator ' / ') "
            "as str from ledmark_provodki p join ledmark_avans_otch a on a.id=p.id where a.real_id=%d",
            realId));
    }
};

TEST_F(AvansOtchView, AReportPostsItsLinesWithThePairAndShowsThePersonsPreviousAdvance)
{
    // An earlier report of the person, and an older one: the latest is shown.
    Run("insert into ledmark_avans_otch (number, d, tn, sch, fil_id) values "
        "('3', makedate(year(curdate()), 20), 1, '220826660', 1), ('2', makedate(year(curdate()), 5), 1, "
        "'220826660', 1), ('9', makedate(year(curdate()), 9), 2, '220826660', 1)");
    CAvansOtchView* view = NewReport();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_AV_ACCOUNT), QString(kAccount));
    EXPECT_EQ(afxtest::text(view, IDC_SET_FIO), QStringLiteral("Петрова Анна Сергеевна"));
    EXPECT_EQ(afxtest::text(view, IDC_AV_TN_PRD), QStringLiteral("Администрация"));
    EXPECT_EQ(afxtest::text(view, IDC_AV_TN_DOL), QStringLiteral("Заведующий"));
    EXPECT_EQ(afxtest::text(view, IDC_AV_EARLIER_NUMBER), QStringLiteral("3"));
    EXPECT_EQ(afxtest::text(view, IDC_AV_PREVIOUS), QStringLiteral("3000"));
    view->m_received.SetCellValue(0, 0, "Касса");
    view->m_received.SetCellValue(1, 0, "5.3." + CString(utoa(COleDateTime::GetCurrentTime().GetYear())));
    view->m_received.SetCellValue(2, 0, "1000,5");
    EXPECT_EQ(afxtest::text(view, IDC_AV_TOTAL), QStringLiteral("1000.5"));

    // Row 0 with a contract gets a pair; row 1 stays empty; row 2 posts to the expenses alone.
    Line(view, 0, "1000,50", "230226830", "1", "226000", "2");
    Line(view, 2, "499.50", "240102226", "", "", "");
    view->m_grid.SetCellValue(AV_QUANTITY, 2, "");
    SaveYes(view);
    const long realId = view->GetRealId();
    ASSERT_GT(realId, 0);
    EXPECT_EQ(Postings(realId), CString("1|230226830|1|226000|2|220826660|1|226000||1000.50 / "
                                        "2|250103226|226000|1||250201226|226000|2|1|1000.50 / "
                                        "3|240102226||||220826660|1|226000||499.50"));
    EXPECT_EQ(Stored("ledmark_avans_otch", realId, "concat_ws('|',tn,prd,sch,s,pred_av,g1,g2,g3,b501,fil_id)"),
              FormatText("1|1|220826660|1500.00|3000.00|Касса|%d-03-05|1000.50|1|1",
                         COleDateTime::GetCurrentTime().GetYear()))
        << "the department from the employee's record";

    // Opened again: the same previous advance, this report's own postings left out.
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    view = OpenStored<CAvansOtchView>("Аванс.отчет", realId);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_AV_PREVIOUS), QStringLiteral("3000"));
    EXPECT_EQ(afxtest::text(view, IDC_AV_EARLIER_NUMBER), QStringLiteral("3"));
    EXPECT_EQ(view->m_grid.GetCellValue(AV_DEBIT, 2), CString("240102226"));

    // A line refused in a re-save leaves the postings as they were.
    view->m_grid.SetCellValue(AV_DEBIT1, 0, "999");
    scripts.Clear();
    afxtest::click(view, IDOK);
    EXPECT_FALSE(scripts.messages.empty()) << "the posting script says why";
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_provodki p join ledmark_avans_otch a on a.id=p.id "
                               "where a.real_id=%d",
                               realId)),
              3);

    // The printed report: the header, the lines and the entries.
    view->m_grid.SetCellValue(AV_DEBIT1, 0, "1");
    afxtest::click(view, ID_DOCUMENT_PRINT);
    const QString page = ReportPage();
    for (const char* part : {"0504505", "АВАНСОВЫЙ ОТЧЕТ №", "Петрова Анна Сергеевна", "Хозяйственные нужды", "Ремонт",
                             "1000.50", "1500.00", "250103226", "250201226", "Бухгалтерская запись"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
}

// Every answer of the posting test refuses the line; the known ones point at
// their field or cell, on the page that shows it.
TEST_F(AvansOtchView, EveryAnswerOfThePostingTestRefusesWhereItPoints)
{
    struct Case {
        int result;
        int page;
        int column;  // -1: a field
        UINT field;
    } cases[] = {
        {1, 0, -1, IDC_AV_DATE},      {2, 1, AV_DEBIT, 0},    {3, 1, AV_DEBIT1, 0},      {5, 1, AV_DEBIT3, 0},
        {6, 0, -1, IDC_AV_ACCOUNT},   {7, 0, -1, IDC_SET_TN}, {8, 1, AV_CREDIT, 0},      {9, 1, AV_CREDIT, 0},
        {10, 1, AV_QUANTITY, 0},      {11, 1, AV_CLAIMED, 0}, {12, 1, AV_DEBIT, 0},      {14, 1, AV_DEBIT, 0},
        {-1, 1, AV_DEBIT, 0},
    };
    CAvansOtchView* view = NewReport();
    ASSERT_NE(view, nullptr);
    Line(view, 3, "100", "240102226", "", "", "");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        ASSERT_TRUE(scripts.Define("function GL_TestProvodka() return " + std::to_string(c.result) + " end"));
        view->ShowPage(1 - c.page);
        afxtest::click(view, IDOK);  // no question: refused
        EXPECT_EQ(view->Page(), c.page);
        if (c.column >= 0) {
            EXPECT_EQ(view->m_grid.GetCurCol(), c.column);
            EXPECT_EQ(view->m_grid.GetCurRow(), 3);
        } else {
            CWnd* focused = CWnd::GetFocus();
            EXPECT_TRUE(focused && focused->GetDlgCtrlID() == int(c.field));
        }
    }
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_avans_otch"), 0);
}

TEST_F(AvansOtchView, WhatASaveRefuses)
{
    CAvansOtchView* view = NewReport();
    ASSERT_NE(view, nullptr);
    ExpectRefusals(view, {
        {IDC_NUMBER, "", "Укажите № документа"},
        {IDC_AV_ACCOUNT, "", "Укажите корреспондирующий счет"},
        {IDC_AV_ACCOUNT, "999999999", "Нет такого счета"},
        {IDC_SET_TN, "", "Укажите подотчетное лицо"},
        {IDC_SET_TN, "1 or 1=1", "Нет такого работника"},
        {IDC_AV_ICN, "", "Укажите Назначение аванса"},
        {IDC_AV_SUM, "", "Укажите сумму"},
    }, [&] {
        view->SetDlgItemText(IDC_NUMBER, "1");
        view->SetDlgItemText(IDC_AV_ACCOUNT, kAccount);
        view->SetDlgItemText(IDC_SET_TN, "1");
        view->SetDlgItemText(IDC_AV_ICN, "Хозяйственные нужды");
        view->SetDlgItemText(IDC_AV_SUM, "1500");
    });
    view->SetDlgItemText(IDC_AV_SUM, "1500");
    Refused(view, "Укажите проводки", 0);
    EXPECT_EQ(view->Page(), 1);

    // A received date that is no date stops the save in its cell.
    view->m_received.SetCellValue(1, 1, "31.02.2024");
    Refused(view, "Неверная дата получения аванса: 31.02.2024", 0);
    EXPECT_EQ(view->Page(), 0);
    EXPECT_EQ(view->m_received.GetCurRow(), 1);
    EXPECT_EQ(view->m_received.GetCurCol(), 1);
    view->m_received.SetCellValue(1, 1, "");

    // The cells of a line in their order.
    struct LineCase {
        int column;
        const char* input;
        const char* message;
    } lines[] = {
        {AV_FROM, "", "Укажите дату начала"}, {AV_TO, "", "Укажите дату по"},
        {AV_CLAIMED, "0", "Укажите Сумму по отчету"}, {AV_ACCEPTED, "", "Укажите Сумму принятую"},
        {AV_DEBIT, "", "Укажите счет по дебету"},
    };
    for (const LineCase& c : lines) {
        SCOPED_TRACE(c.message);
        Line(view, 1, "10", "240102226", "", "", "");
        view->m_grid.SetCellValue(c.column, 1, c.input);
        Refused(view, c.message, 0);
        EXPECT_EQ(view->m_grid.GetCurCol(), c.column);
    }
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_avans_otch"), 0);
}

// The pair of a line through 501.03 and 502.01 and the credit's values by
// the books of its dimensions.
TEST_F(AvansOtchView, TheLinesPostingsByTheBooksOfTheirDimensions)
{
    const CAvansHeader header{kAccount, "1", "2", "", ""};
    struct PairCase {
        const char* debit;
        const char* d2;
        const char* d3;
        const char* ekr;
        PairOutcome outcome;
        const char* posting;
        const char* message;
    } pairs[] = {
        {"230226830", "226000", "2", "226000", PairOutcome::Made, "250103226|226000|2||250201226|226000|2|2", ""},
        {"230226830", "226000", "", "226000", PairOutcome::NoContract, "", ""},
        {"240102226", "", "", "226000", PairOutcome::NoContract, "", ""},
        {"230226830", "", "2", "", PairOutcome::NoEkr, "", "Не указан ЭКР у счетов 230226830 и 220826660"},
    };
    for (const PairCase& c : pairs) {
        SCOPED_TRACE(c.debit + std::string(" ") + c.d3);
        CString cells[AV_COLUMNS];
        cells[AV_DEBIT] = c.debit;
        cells[AV_DEBIT1] = "1";
        cells[AV_DEBIT2] = c.d2;
        cells[AV_DEBIT3] = c.d3;
        cells[AV_EKR] = c.ekr;
        cells[AV_ACCEPTED] = "10";
        CAvansChart chart;
        const CAvansPair pair = PairPosting(cells, header, chart);
        EXPECT_EQ(pair.outcome, c.outcome);
        EXPECT_EQ(pair.message, CString(c.message));
        if (pair.outcome == PairOutcome::Made) {
            const CPostingLine& p = pair.posting;
            EXPECT_EQ(p.debit + "|" + p.debit1 + "|" + p.debit2 + "|" + p.debit3 + "|" + p.credit + "|" + p.credit1
                          + "|" + p.credit2 + "|" + p.credit3,
                      CString(c.posting));
        }
    }
    // No 501.03 of source 4 in the chart: no debit tail for the pair.
    Run("delete from spr_plan_sch where col0=4 and col1='501' and col2='03'");
    CString cells[AV_COLUMNS];
    cells[AV_DEBIT] = "430226830";
    cells[AV_DEBIT2] = "226000";
    cells[AV_DEBIT3] = "2";
    cells[AV_EKR] = "226000";
    cells[AV_CREDIT] = "420826660";
    CAvansChart chart;
    const CAvansPair unknown = PairPosting(cells, header, chart);
    EXPECT_EQ(unknown.outcome, PairOutcome::UnknownDebitTail);
    EXPECT_EQ(unknown.message, CString("Неизвестен дебетовый хвост для ЭКР 226000"));

    // The credit's values: the employee and the economic code where its books keep them.
    struct CreditCase {
        const char* credit;
        const char* values;
    } credits[] = {
        {"", "1|226000|"},               // the report's 208.26
        {"230226730", "|226000|"},       // 302.26: counterparty, economic code, contract
        {"220134610", "||"},             // the cash desk keeps none
    };
    for (const CreditCase& c : credits) {
        SCOPED_TRACE(c.credit);
        CString line[AV_COLUMNS];
        line[AV_CREDIT] = c.credit;
        line[AV_EKR] = "226000";
        const CPostingLine p = MainPosting(line, header, chart);
        EXPECT_EQ(p.credit1 + "|" + p.credit2 + "|" + p.credit3, CString(c.values));
    }
}

TEST_F(AvansOtchView, PictureOfTheLinesPage)
{
    CAvansOtchView* view = NewReport();
    ASSERT_NE(view, nullptr);
    Line(view, 0, "1000.50", "230226830", "1", "226000", "2");
    Line(view, 1, "320", "240102226", "", "", "");
    Line(view, 2, "45.10", "240102226", "", "", "", "340000");
    view->ShowPage(1);
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/avans_otch_lines.png"));
}

} // namespace
