// The budget obligation as a bookkeeper enters it: the remembered accounts,
// the twelve months, the checks of the contract, the economic code and the
// months, and its one posting with the contract in the dimension that keeps
// contracts.
#include "BudgetPostings.h"
#include "CBudgAsegView.h"
#include "CBudgObyazView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <DocumentKinds.h>
#include <gridbase.h>

#include <QCoreApplication>
#include <set>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

const QString kSaveQuestion = QStringLiteral("Записать изменения ? ");

class BudgObyazView : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        Run("delete from ledmark_provodki where id in (select id from ledmark_budg_obyaz)\n"
            "delete from ledmark_budg_obyaz");
        AfxGetApp()->WriteProfileString("constants", "ledmark_budg_obyaz_deb", nullptr);
        AfxGetApp()->WriteProfileString("constants", "ledmark_budg_obyaz_kred", nullptr);
    }
    CBudgObyazView* OpenNew()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("Бюдж.обяз-во", 0, nullptr), 1);
        return Active<CBudgObyazView>();
    }
    // A contract, a code, a department and the amounts of months 3 and 4.
    static void Fill(CBudgObyazView* view, const char* contract, const char* ekr, const char* department)
    {
        view->m_strContract = contract;
        view->m_strEkr = ekr;
        view->m_strPrd = department;
        view->UpdateData(FALSE);
        view->m_grid.SetCellValue(OBYAZ_SUM, 2, "1500");
        view->m_grid.SetCellValue(OBYAZ_SUM, 3, "2500.25");
    }
    bool SaveYes(CBudgObyazView* view)
    {
        afxtest::InteractionScript script;
        script.message(kSaveQuestion, IDYES);
        afxtest::click(view, IDOK);
        script.verify();
        Settle();
        return ChildCount() == 0;
    }
    // "npp|debit|deb_sb1|deb_sb2|credit|kred_sb1|kred_sb2|kred_sb3|s|prim" of the postings.
    CString Postings()
    {
        return Text("select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),p.deb_sb1,"
                    "coalesce(p.deb_sb2,'-'),concat(p.kred0,p.kred1,p.kred2,p.kred3),p.kred_sb1,"
                    "coalesce(p.kred_sb2,'-'),coalesce(p.kred_sb3,'-'),p.s,p.prim) order by p.id separator ' / ') "
                    "as str from ledmark_provodki p join ledmark_budg_obyaz o on o.id=p.id");
    }
    long long Documents() { return Count("select count(*) as cnt from ledmark_budg_obyaz"); }
};

TEST_F(BudgObyazView, ANewObligationShowsTheRememberedAccountsAndTwelveMonths)
{
    CBudgObyazView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_strDebit, CString("150103000"));
    EXPECT_EQ(view->m_strCredit, CString("150201000"));
    EXPECT_EQ(view->m_strIcn, CString("Бюджетное обязательство"));
    EXPECT_EQ(view->m_strDate, DMGtoStr(COleDateTime::GetCurrentTime()));
    ASSERT_EQ(view->m_grid.GetNRows(), 12);
    EXPECT_EQ(view->m_grid.GetCellValue(OBYAZ_MONTH, 0), CString("1"));
    EXPECT_EQ(view->m_grid.GetCellValue(OBYAZ_NAME, 0), CString("январь"));
    EXPECT_EQ(view->m_grid.GetCellValue(OBYAZ_MONTH, 11), CString("12"));
    EXPECT_EQ(view->m_grid.GetCellValue(OBYAZ_NAME, 11), CString("декабрь"));
    EXPECT_EQ(view->m_grid.GetCellValue(OBYAZ_SUM, 5), CString());
    EXPECT_TRUE(view->DepartmentShown()) << "501.03 and 502.01 keep departments";

    // A typed KOSGU goes when the field is left: the posting takes the economic code's.
    afxtest::typeInto(view, IDC_BUDG_DEBIT, QStringLiteral("150103211"));
    afxtest::typeInto(view, IDC_BUDG_NOTE, QStringLiteral("Поставка"));
    EXPECT_EQ(afxtest::text(view, IDC_BUDG_DEBIT), QStringLiteral("150103000"));

    view->m_strIcn = "Обязательство 'по договору' \\ 7";
    Fill(view, "2", "226000", "2");
    EXPECT_EQ(afxtest::text(view, IDC_BUDG_CONTRACT_NAME), QStringLiteral("Поставка продуктов питания"));
    EXPECT_EQ(afxtest::text(view, IDC_BUDG_EKR_NAME), QStringLiteral("Прочие работы, услуги"));
    ASSERT_TRUE(SaveYes(view));
    EXPECT_EQ(Postings(), CString("1|150103226|226000|2|150201226|226000|2|2|4000.25|Поставка продуктов питания"));
    EXPECT_EQ(Text("select concat_ws('|',deb,kred,ekr,dogovor,prd,s) as str from ledmark_budg_obyaz"),
              CString("150103000|150201000|226000|2|2|4000.25"));
    EXPECT_EQ(Text("select icn as str from ledmark_budg_obyaz"), CString("Обязательство 'по договору' \\ 7"))
        << "texts reach SQL as literals";

    // The next obligation starts with the accounts just posted; the form keeps them whole.
    CBudgObyazView* next = OpenNew();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->m_strDebit, CString("150103226"));
    EXPECT_EQ(next->m_strCredit, CString("150201226"));
    Fill(next, "4", "221000", "1");
    ASSERT_TRUE(SaveYes(next));
    EXPECT_EQ(Text("select deb as str from ledmark_budg_obyaz order by real_id desc limit 1"), CString("150103000"));
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki where deb3='221' and kred3='221' and deb1='501'"),
              1);
}

TEST_F(BudgObyazView, WhatASaveRefuses)
{
    CBudgObyazView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    struct Case {
        const char* contract;
        const char* ekr;
        bool months;
        const char* message;
    } cases[] = {
        {"", "226000", true, "Укажите Договор"},
        {"999", "226000", true, "Нет такого Договора"},
        {"2", "", true, "Укажите ЭКР"},
        {"2", "999999", true, "Нет такого ЭКР"},
        {"2", "226000", false, "Укажите помесячно"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Fill(view, c.contract, c.ekr, "2");
        if (!c.months)
            for (long row = 0; row < 12; ++row)
                view->m_grid.SetCellValue(OBYAZ_SUM, row, "");
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8(c.message), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
    }
    Fill(view, "2", "226000", "");
    afxtest::InteractionScript department;
    department.message(QStringLiteral("Укажите подразделение"), IDOK);
    afxtest::click(view, IDOK);
    department.verify();
    EXPECT_EQ(Documents(), 0);
}

// Dimension 2 of 502.01 keeps contracts and dimension 3 departments; 501.03
// keeps departments in dimension 2, so a contract finds no place there;
// 304.05 keeps only the economic code, and the contract takes dimension 2.
TEST_F(BudgObyazView, TheContractGoesWhereTheAccountKeepsContracts)
{
    struct Case {
        const char* account;
        const char* values;
        bool department;
    } cases[] = {
        {"150201226", "226000|7|3", true},
        {"150103226", "226000|3|", true},
        {"130405000", "226000|7|", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.account);
        const CBudgetSide side = BudgetSide(c.account, "226000", "3", "7");
        EXPECT_EQ(side.values[0] + "|" + side.values[1] + "|" + side.values[2], CString(c.values));
        EXPECT_EQ(side.needsDepartment, c.department);
    }
}

TEST_F(BudgObyazView, PictureOfTheForm)
{
    CBudgObyazView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Fill(view, "2", "340000", "2");
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/budg_obyaz.png"));
}

// The demo assignments for the year open in their form with their rows.
class BudgetDemo : public LedgerProgram {};

TEST_F(BudgetDemo, TheYearsAssignmentsOpenWithTheirRows)
{
    const long realId = (long)Count("select min(real_id) as cnt from ledmark_budg_assig where tiplim=2");
    ASSERT_GT(realId, 0);
    ASSERT_EQ(CHelpers::I_OpenDocument(realId, nullptr, "Бюдж.ассигн.", 0), 1);
    auto* view = Active<CBudgAsegView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_nKind, ASSIGNMENTS_YEAR);
    EXPECT_EQ(view->m_grid.GetCellValue(ASEG_EKR, 0), CString("211000"));
    EXPECT_EQ(view->m_grid.GetCellValue(ASEG_SUM, 0), CString("1440000.00"));
    EXPECT_EQ(view->m_grid.GetCellValue(ASEG_TEXT, 0), CString("Оплата труда"));
    EXPECT_EQ(view->m_grid.GetCellValue(ASEG_EKR, 7), CString()) << "the input row after the seven codes";
}

// Two stored documents under one id share their postings: the journal shows
// them as one document and the delete of either takes the other's postings.
TEST_F(BudgetDemo, EveryDemoDocumentCarriesAnIdOfItsOwn)
{
    const CString kinds = I_GetDocumentsList();
    std::set<CString> tables;
    for (int i = 1; i <= Length(kinds, GetDelimiter()); ++i) {
        const CString kind = GetPart(kinds, GetDelimiter(), i);
        if (GetPart(kind, GetDelimiter0(), 5) == "postings")
            tables.insert(GetPart(kind, GetDelimiter0(), 3));
    }
    CString ids;
    for (const CString& table : tables)
        ids += FormatText("%sselect id,'%s' as t from %s where id>0", ids.IsEmpty() ? "" : " union all ", table, table);
    ASSERT_FALSE(ids.IsEmpty());
    EXPECT_EQ(Text(FormatText("select group_concat(concat(id,' ',tables) separator '; ') as str from "
                              "(select id,group_concat(t) as tables from (%s) q group by id having count(*)>1) d",
                              ids)),
              CString());
}

} // namespace
