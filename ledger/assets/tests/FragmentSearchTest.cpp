// The fragment search of a table row on a document form: nothing without the
// focus in the grid, the count and the picker on one set of rows (the
// document's branch or account, and every fragment of the name taken
// literally), one match into the current row with each member's follow-up,
// several through the picker's answer, and the search text kept across
// searches but not by a cancel.
#include "AssetsForm.h"
#include "ChooserForm.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/DlgkitIds.h"

namespace {

using namespace nledmark;
using assetstest::CAssetsForm;

class FragmentSearch : public assetstest::AssetsProgram {
protected:
    void SetUp() override
    {
        AssetsProgram::SetUp();
        Run("delete from spr_osn_sr\n"
            "delete from spr_stovan_mat where id>200\n"
            "insert into spr_osn_sr (id,name,fil_id,sch) values (101,'Шкаф «Ольха»',1,'110136310')\n"
            "insert into spr_osn_sr (id,name,fil_id,sch) values (102,'Шкаф-купе',1,'110134310')\n"
            "insert into spr_osn_sr (id,name,fil_id,sch) values (103,'Шкаф 100%',2,'210136310')\n"
            "insert into spr_osn_sr (id,name,fil_id,sch) values (104,'Стол d''Артаньяна',1,'110136310')\n"
            "insert into spr_osn_sr (id,name,fil_id,sch) values (105,'Стул_офисный',1,'110136310')\n"
            "insert into spr_stovan_mat (id,name,ei,sch) values (201,'Сыр «Российский»',2,'210532000')\n"
            "insert into spr_stovan_mat (id,name,ei,sch) values (202,'Сыр плавленый',1,null)\n"
            "insert into spr_stovan_mat (id,name,ei,sch) values (203,'Сыр козий',2,'110536000')");
    }
    // F7 in the grid with the text typed into the search dialog; the picker,
    // when one opens, answers with the rows that start with `pick`.
    static void Search(CAssetsForm* form, const QString& text, const QStringList& pick = {},
                       const char* nothing = nullptr)
    {
        afxtest::InteractionScript script;
        script.dialog(IDD_DLGKIT_SIRCH, [&](afxtest::DialogStep& d) {
            d.setText(IDC_SIRCH_TEXT, text);
            d.click(IDOK);
        });
        if (!pick.isEmpty())
            script.dialog(IDD_SPR_PICKER_MULTI, [&](afxtest::DialogStep& d) { pickertest::ClickRows(d, pick); });
        if (nothing)
            script.message(QString::fromUtf8(nothing), IDOK);
        form->m_grid.SetFocus0();
        afxtest::pressKey(form->m_grid.GetQWidget(), Qt::Key_F7);
        script.verify();
    }
};

TEST_F(FragmentSearch, OneMatchSeveralOrNoneAmongTheDocumentsRows)
{
    struct Case {
        const FragmentSearchRow* row;
        int branch;
        const char* account;
        const char* text;
        const char* pick;     // several: the picker opens and this row is chosen
        const char* cell0;    // then column 0 of row 1 ("" untouched)
        UINT answer;          // the message the form got (0 none)
        const char* answered; // its text
    } cases[] = {
        // Assets of the document's branch.
        {&kOsPokupSearch, 2, "", "шкаф", nullptr, "103", 0x464, ""},
        {&kOsPokupSearch, 1, "", "шкаф", "102", "", 0x465, "102"},
        {&kOsSpisSearch, 1, "", "d'Арт", nullptr, "104", 0x464, ""},
        {&kOsPokupSearch, 2, "", "%", nullptr, "103", 0x464, ""},      // "%" is a plain sign
        {&kOsPokupSearch, 1, "", "_о", nullptr, "105", 0x464, ""},     // so is "_"
        {&kOsPokupSearch, 1, "", "шкаф ольх", nullptr, "101", 0x464, ""},
        // The asset waybill: the branch and the account's first six characters.
        {&kOsNaklAssetSearch, 1, "110136000", "шкаф", nullptr, "101", 0, ""},
        // Stock items: their account's characters 2-6, or none; no branch.
        {&kMatPrixSearch, 1, "210532000", "сыр", "202", "", 0x47C, "202"},
        {&kMaterialsSpisSearch, 1, "110536000", "сыр", "203", "", 0x47C, "203"},
        {&kMatPrixSearch, 1, "", "сыр", "201", "", 0x47C, "201"},      // no account: every item
        {&kOsNaklMaterialSearch, 2, "210532000", "Российский", nullptr, "201", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CAssetsForm* form = OpenForm();
        ASSERT_NE(form, nullptr);
        form->search = c.row;
        form->branch = c.branch;
        form->SetDlgItemText(1158, c.account);
        Search(form, QString::fromUtf8(c.text), c.pick ? QStringList{QString::fromUtf8(c.pick)} : QStringList{});
        Settle();
        EXPECT_EQ(form->m_grid.GetCellValue(0, 1), CString(c.cell0));
        ASSERT_EQ(form->answers.size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(form->answers[0].msg, c.answer);
            EXPECT_EQ(form->answers[0].text, QString::fromUtf8(c.answered));
        }
        if (c.pick) {
            EXPECT_EQ(form->pickRow, 1) << "the picker's answer is for the current row";
        }
        EXPECT_TRUE(dbReports.reports().empty());
        form->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
}

TEST_F(FragmentSearch, EachMembersFollowUpOfOneMatch)
{
    CAssetsForm* form = OpenForm(3, 2);
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(1158, "110536000");
    form->search = &kMatPrixSearch;
    Search(form, "козий");
    EXPECT_EQ(form->m_grid.GetCellValue(0, 2), CString("203"));
    EXPECT_EQ(form->filled, std::vector<long>({2})) << "the material forms fill the row at once";

    form->search = &kMenuTrebSearch;
    form->m_grid.SetCurCell(0, 0);
    Search(form, "козий");
    EXPECT_EQ(form->m_grid.GetCellValue(0, 0), CString("203"));
    EXPECT_EQ(form->m_grid.GetCurCol(), 6) << "the menu requirement goes on to the quantity";

    form->search = &kOsPokupSearch;
    form->m_grid.SetCurCell(4, 1);
    Search(form, "ольха");
    EXPECT_EQ(form->m_grid.GetCurCol(), 0);
    EXPECT_EQ(form->m_grid.GetCurRow(), 1);
    EXPECT_TRUE(form->answers.empty()) << "the row fill is posted";
    Settle();
    ASSERT_EQ(form->answers.size(), 1u);
    EXPECT_EQ(form->answers[0].msg, 0x464u);
}

TEST_F(FragmentSearch, NothingFoundTheFocusElsewhereAndACancel)
{
    CAssetsForm* form = OpenForm();
    ASSERT_NE(form, nullptr);
    Search(form, "100%", {}, "По запросу ничего нет: 100%");  // that one is of the other branch
    EXPECT_EQ(form->m_grid.GetCellValue(0, 1), CString(""));
    EXPECT_EQ(form->SearchText(), CString("100%"));

    {
        afxtest::InteractionScript script;  // no dialog expected
        afxtest::typeInto(form, 1158, "1");
        afxtest::pressKey(form, 1158, Qt::Key_F7);
        script.verify();
    }
    MSG up{};
    up.hwnd = form->m_grid.GetSafeHwnd();
    up.message = WM_KEYUP;
    up.wParam = VK_F7;
    EXPECT_FALSE(form->PreTranslateMessage(&up)) << "a key-up of F7 goes on";

    afxtest::InteractionScript script;
    script.dialog(IDD_DLGKIT_SIRCH, [](afxtest::DialogStep& d) {
        EXPECT_EQ(d.text(IDC_SIRCH_TEXT), QStringLiteral("100%")) << "the last text is offered";
        EXPECT_EQ(d.text(IDC_SIRCH_PROMPT), QStringLiteral("Укажите фрагменты ОС"));
        d.setText(IDC_SIRCH_TEXT, QStringLiteral("шкаф"));
        d.click(IDCANCEL);
    });
    form->m_grid.SetFocus0();
    afxtest::pressKey(form->m_grid.GetQWidget(), Qt::Key_F7);
    script.verify();
    EXPECT_EQ(form->SearchText(), CString("100%")) << "a cancel keeps the last text";
    EXPECT_EQ(form->m_grid.GetCellValue(0, 1), CString(""));
}

TEST(FragmentSearchIds, OnlyWholeNumbersReachSql)
{
    EXPECT_EQ(FragmentSearchIds("12,15"), std::vector<long>({12, 15}));
    EXPECT_EQ(FragmentSearchIds(" 7 ,x,8) or (1=1,,9"), std::vector<long>({7, 9}));
    EXPECT_TRUE(FragmentSearchIds("").empty());
    EXPECT_TRUE(FragmentSearchIds(nullptr).empty());
}

} // namespace
