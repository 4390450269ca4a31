// The dimensions an account of a material or asset document shows (each
// member's controls together, the economic code kept off where the rows carry
// it, a 6-character account completed where the member does so, nothing for
// an account the chart lacks or a text of another length, a hidden code
// emptied), and the handler bodies those documents share with other forms.
#include "AccountDimensionRows.h"
#include "AccountPickerRows.h"
#include "AssetsForm.h"
#include "ChooserForm.h"
#include "CReportView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "SharedCommands.h"
#include "appcore.h"
#include "res/AppcoreResource.h"

#include <QTextBrowser>

namespace {

using namespace nledmark;
using assetstest::CAssetsForm;

class AccountDimensions : public assetstest::AssetsProgram {
protected:
    // "caption" for a dimension shown, "-" for one hidden, per dimension.
    static QStringList Shown(CAssetsForm* form, const AccountDimensionRow& row)
    {
        QStringList shown;
        for (const DimensionControls& c : row.dimensions) {
            const bool visible = form->GetDlgItem(c.label)->IsWindowVisible();
            for (UINT id : {c.code, c.button, c.name}) {
                if (id) {
                    EXPECT_EQ(form->GetDlgItem(id)->IsWindowVisible(), visible) << "the controls go together: " << id;
                }
            }
            shown << (visible ? afxtest::text(form, c.label) : QStringLiteral("-"));
        }
        return shown;
    }
};

TEST_F(AccountDimensions, EachMembersAccountShowsItsDimensions)
{
    struct Case {
        const AccountDimensionRow* row;
        const char* account;
        int keepHidden;
        QStringList shown;
    } cases[] = {
        {&kOsPokupDimensions, "130234730", 0, {"Контрагенты", "-", "Договоры"}},      // the EKR comes from the rows
        {&kMenuTrebDimensions, "130234730", 0, {"Контрагенты", "ЭКР", "Договоры"}},
        {&kMaterialsSpisDimensions, "110536340", 0, {"Материалы", "Сотрудники", "-"}},
        {&kOsPokupDimensions, "102100", 0, {"Основные средства", "Сотрудники", "Источники финансирования"}},
        {&kMatPrixDimensions, "102100", 0, {"-", "-", "-"}},                           // no completion there
        {&kMaterialsSpisDimensions, "199999999", 0, {"-", "-", "-"}},                  // not in the chart
        {&kMaterialsSpisDimensions, "1302", 0, {"-", "-", "-"}},
        {&kMaterialsSpisDimensions, "13023473'", 0, {"-", "-", "-"}},
        {&kOsNaklDebitDimensions, "110134310", 1, {"-", "Сотрудники", "Подразделения"}},
        {&kOsNaklCreditDimensions, "110134310", 3, {"Основные средства", "Сотрудники", "-"}},
    };
    CAssetsForm* form = OpenForm();
    ASSERT_NE(form, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.account);
        for (const DimensionControls& d : c.row->dimensions)
            form->SetDlgItemText(d.code, "7");
        form->SetDlgItemText(c.row->account, c.account);
        ShowAccountDimensions(form, *c.row, c.keepHidden);
        EXPECT_EQ(Shown(form, *c.row), c.shown);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(afxtest::text(form, c.row->dimensions[k].code),
                      c.shown[k] == "-" ? QString() : QStringLiteral("7")) << "a hidden code is emptied";
    }
    EXPECT_TRUE(dbReports.reports().empty());
}

TEST_F(AccountDimensions, AccountChoosersOfferTheirListsAndTheOppositeAccount)
{
    CAssetsForm* form = OpenForm();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(1159, "110134310");
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        EXPECT_EQ(d.window()->GetQWidget()->windowTitle(), QStringLiteral("План счетов: дебет (корр. счет 110134310)"));
        const QStringList rows = pickertest::Rows(d);
        ASSERT_FALSE(rows.isEmpty());
        for (const QString& row : rows)
            EXPECT_TRUE(row.mid(1, 3) == "101" || row.mid(1, 3) == "105" || row.mid(1, 3) == "205") << row.toStdString();
        pickertest::ClickRows(d, {"110134310"});
    });
    EXPECT_TRUE(OpenAccountPicker(form, kOsNaklAccountPickers, 1014));
    script.verify();
    EXPECT_EQ(afxtest::text(form, 1158), QStringLiteral("110134310"));
    EXPECT_FALSE(OpenAccountPicker(form, kOsNaklAccountPickers, 1016)) << "no such button on the waybill";
}

TEST_F(AccountDimensions, HandlersSharedWithOtherForms)
{
    CAssetsForm* form = OpenForm();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(kTnEditId, "2");
    OnChangeTn(form);
    EXPECT_EQ(afxtest::text(form, kTnNameId), QStringLiteral("Иванова Мария Петровна"));
    form->SetDlgItemText(kPrdEditId, "2");
    OnChangePrd(form);
    EXPECT_EQ(afxtest::text(form, kPrdNameId), QStringLiteral("Пищеблок"));

    form->SetDlgItemText(kMatAccountId, "110536340");
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"3   Картофель"}); });
    OnSB1btn(form);  // the first dimension of 105.36 is the stock item
    script.verify();
    EXPECT_EQ(afxtest::text(form, kMatSb1EditId), QStringLiteral("3"));
    OnChangeSB1(form);
    EXPECT_EQ(afxtest::text(form, kMatSb1NameId), QStringLiteral("Картофель"));
    form->SetDlgItemText(kMatAccountId, "");
    form->SetDlgItemText(kMatSb1EditId, "4");
    OnChangeSB1(form);
    EXPECT_EQ(afxtest::text(form, kMatSb1NameId), QStringLiteral("Картофель")) << "no account: the name is left";

    ASSERT_TRUE(CInterpriter::GetMain()->LoadScript("Form.Документ МЦ", "print.lua",
                                                    "function PrepareTheReport(id) return '<p>' .. type(id) .. ' ' .. id .. '</p>' end"));
    scripts.calls.clear();
    OnPrintForm(form, true);
    std::vector<std::string> calls;
    for (const auto& call : scripts.calls)
        if (call.context == "Form.Документ МЦ")
            calls.push_back(call.call);
    EXPECT_EQ(calls, std::vector<std::string>({"PrepareTheReport(\"-1\")"}));
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->GetPage()->Browser()->toPlainText(), QStringLiteral("string -1"));
}

} // namespace
