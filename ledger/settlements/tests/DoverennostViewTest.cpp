// The power of attorney for goods: a new one's defaults, the checks in their
// order, the unit chooser of the third column writing the unit's name, a
// supplier with an apostrophe saved and listed with one apostrophe, the
// printed form with the quantities in words, and a picture of the form with
// three goods lines.
#include "CDoverennostView.h"
#include "CFormGridView.h"
#include "ChooserForm.h"
#include "SettlementsProgram.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

class DoverennostView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_dov");
    }
    CDoverennostView* OpenNew() { return Open<CDoverennostView>("Доверенность"); }
    CString Apostrophed() { return Text("select cast(id as char) as str from spr_org where name like '%''%'"); }
    static void Fill(CDoverennostView* view, const CString& org)
    {
        view->SetDlgItemText(IDC_SET_ORG, org);
        view->SetDlgItemText(IDC_SET_TN, "4");
        view->SetDlgItemText(IDC_DOV_VALID, ThisYear("20.12"));
        view->SetDlgItemText(IDC_DOV_DOC_NAME, "Счет");
        view->SetDlgItemText(IDC_DOV_DOC_NUMBER, "118");
        const char* goods[][4] = {{"1", "Бумага офисная А4", "пачка", "10"}, {"2", "Картофель", "кг", "50,5"},
                                  {"3", "Лампа светодиодная", "шт", "12"}};
        for (long row = 0; row < 3; ++row)
            for (long col = 0; col < 4; ++col)
                view->m_grid.SetCellValue(col, row, goods[row][col]);
    }
};

TEST_F(DoverennostView, ASupplierWithAnApostropheIsSavedListedAndPrinted)
{
    CDoverennostView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_NUMBER), QStringLiteral("1"));
    EXPECT_EQ(afxtest::text(view, IDC_SET_DATE_TEXT), DMGtoStr(COleDateTime::GetCurrentTime()).ToQString());
    EXPECT_EQ(view->m_r, 1);
    EXPECT_EQ(view->m_grid.GetNRows(), 25);
    EXPECT_EQ(view->m_grid.GetCellValue(1, 0), CString());
    const CString org = Apostrophed();
    ASSERT_FALSE(org.IsEmpty());
    Fill(view, org);
    EXPECT_EQ(afxtest::text(view, IDC_SET_ORG_NAME), QStringLiteral("ООО \"Л'Этуаль\""));
    SaveYes(view);
    const long realId = view->GetRealId();
    ASSERT_GT(realId, 0);
    EXPECT_EQ(Stored("ledmark_dov", realId, "concat_ws('|',icn,org,tn,docName,docNumber,r,id)"),
              "Кузнецова Ольга Ивановна, ООО \"Л'Этуаль\"|" + org + "|4|Счет|118|1|0");

    // The printed form: the employee, the supplier and the goods, quantities in words.
    afxtest::click(view, ID_DOCUMENT_PRINT);
    const QString page = ReportPage();
    for (const char* part : {"ДОВЕРЕННОСТЬ № 1", "0315001", "Кузнецова Ольга Ивановна", "ООО \"Л'Этуаль\"",
                             "Счет № 118", "Бумага офисная А4", "10 (десять)", "12 (двенадцать)", "50.5"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();

    // The list caption with one apostrophe; the row opens the document.
    ASSERT_EQ(CHelpers::FN_OpenDocument0("СписокДоверенностей", 0, nullptr), 1);
    auto* list = Active<CFormGridView>();
    ASSERT_NE(list, nullptr);
    ASSERT_GE(list->m_grid.GetNRows(), 1);
    EXPECT_EQ(list->m_grid.GetCellValue(0, 0), utoa(realId)) << "newest first";
    EXPECT_EQ(list->m_grid.GetCellValue(4, 0), CString("Кузнецова Ольга Ивановна, ООО \"Л'Этуаль\""));
}

TEST_F(DoverennostView, TheUnitChooserOpensOnlyFromTheUnitColumnAndWritesTheName)
{
    CDoverennostView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    for (short col : {0, 1, 3})
        AfxFireEvent(&view->m_grid, 5, {AfxEventArg(col), AfxEventArg(short(1))});
    afxtest::InteractionScript unit;
    unit.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"2   "}); });
    AfxFireEvent(&view->m_grid, 5, {AfxEventArg(short(DOV_UNIT)), AfxEventArg(short(1))});
    unit.verify();
    EXPECT_EQ(view->m_grid.GetCellValue(DOV_UNIT, 1), CString("кг"));
    EXPECT_EQ(view->m_grid.GetCurRow(), 1);
}

TEST_F(DoverennostView, WhatASaveRefuses)
{
    CDoverennostView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    ExpectRefusals(view, {
        {IDC_NUMBER, "", "Укажите № документа"},
        {IDC_SET_DATE_TEXT, "", "Укажите дату документа"},
        {IDC_SET_ORG, "", "Укажите код Организации"},
        {IDC_SET_ORG, "1 or 1=1", "Нет такого кода Организации"},
        {IDC_SET_TN, "", "Укажите Табельный №"},
        {IDC_SET_TN, "77", "Нет такого работника"},
    }, [&] {
        view->SetDlgItemText(IDC_NUMBER, "5");
        view->SetDlgItemText(IDC_SET_DATE_TEXT, DMGtoStr(COleDateTime::GetCurrentTime()));
        Fill(view, "1");
    });
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_dov"), 0);

    // Printing before the first save says so instead of showing an empty form.
    afxtest::click(view, ID_DOCUMENT_PRINT);
    const QString page = ReportPage();
    EXPECT_TRUE(page.contains(QStringLiteral("не записан"))) << page.toStdString();
    EXPECT_FALSE(page.contains(QStringLiteral("ДОВЕРЕННОСТЬ №")));
}

TEST_F(DoverennostView, PictureOfTheFormWithThreeGoodsLines)
{
    CDoverennostView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Fill(view, "1");
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/doverennost.png"));
}

} // namespace
