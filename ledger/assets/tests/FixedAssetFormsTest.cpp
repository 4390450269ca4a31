// The opening balances of fixed assets and their inventory list as a
// bookkeeper uses them: the call of the database's procedure on each server,
// the balances it posts per card and a second load that replaces the first,
// the refusals of the date; the account rows of the inventory, the call text
// its report receives and the page it prints, a hostile personnel number.
#include "AccountBalance.h"
#include "AssetOpeningBalances.h"
#include "COSInventView.h"
#include "COSNachOstView.h"
#include "SettlementsProgram.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QDate>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

TEST(AssetOpeningBalances, TheCallOfEachServer)
{
    const struct {
        long driver;
        const char* call;
    } cases[] = {
        {0, "sproc_ledmark_vvod_noos '20260101',2"},
        {3, "sproc_ledmark_vvod_noos '20260101',2"},
        {1, "call sproc_ledmark_vvod_noos('20260101',2)"},
        {4, "call sproc_ledmark_vvod_noos('20260101',2)"},
        {2, "call sproc_ledmark_vvod_noos('20260101',2)"},
    };
    for (const auto& c : cases) {
        SqlDialect dialect;
        ASSERT_TRUE(DialectOfDriver(c.driver, dialect));
        EXPECT_EQ(OpeningBalancesCall(dialect, "'20260101'", 2), CString(c.call)) << c.driver;
    }
}

class FixedAssetForms : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        year = QDate::currentDate().year();
        Run("delete from ledmark_provodki\ndelete from ledmark_os_nach_ost\ndelete from spr_osn_sr\n"
            // Cards of branch 1: one of value 5 x 1200 with 1500 depreciated before,
            // one of 56000 of employee 4 in department 2, one moved off balance,
            // one disposed of last year, one without a value; one of branch 2.
            "insert into spr_osn_sr (id, name, code, fil_id, kol, first_price, sch, sch_iz, kbk_deb, kbk_kred, "
            "iznos_all, mol, prd, nach_izn, d_post) values "
            "(1, 'Стулья', 'И-1', 1, 5, 6000, '110136310', '110436410', 2, 2, 1500, 3, 1, 1, '2020-01-10'), "
            "(2, 'Ноутбук', 'И-2', 1, 1, 56000, '110134310', '110434410', 2, 2, 0, 4, 2, 1, '2020-01-10'), "
            "(3, 'Стенд', 'И-3', 1, 1, 9000, '102100000', '110436410', 2, 2, 0, 3, 1, 0, '2020-01-10'), "
            "(4, 'Принтер', 'И-4', 1, 1, 14900, '110134310', '110434410', 2, 2, 0, 3, 1, 1, '2020-01-10'), "
            "(5, 'Без стоимости', 'И-5', 1, 1, null, '110134310', '110434410', 2, 2, 0, 3, 1, 1, '2020-01-10'), "
            "(6, 'Холодильник', 'И-6', 2, 1, 72900, '210134310', '210434410', 5, 5, 0, 2, 4, 1, '2020-01-10')");
        Run(FormatText("update spr_osn_sr set d_vybit='%d-11-01' where id=4", year - 1));
    }
    CString Opening() const { return FormatText("01.01.%d", year); }
    // The postings of branch 1: "debit card/person/department > credit card quantity amount".
    CString Postings()
    {
        CString text;
        ForEachRow("select deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,deb_sb3,kred0,kred1,kred2,kred3,kred_sb1,kol,s "
                   "from ledmark_provodki where fil_id=1 order by id,npp",
                   [&](_RecordsetPtr& rs) {
                       auto f = [&](const char* name) { return SafeArayToString(rs->GetCollect(name)); };
                       text += (text.IsEmpty() ? "" : " | ") + f("deb0") + f("deb1") + f("deb2") + f("deb3") + " " +
                               f("deb_sb1") + "/" + f("deb_sb2") + "/" + f("deb_sb3") + " > " + f("kred0") +
                               f("kred1") + f("kred2") + f("kred3") + " " + f("kred_sb1") + " " + f("kol") + " " +
                               f("s");
                   });
        return text;
    }
    int year = 0;
};

const char* const kBranchOneOpening =
    "110136310 1/3/1 > 100000000  5.000 6000.00 | 100000000 // > 110436410 1  1500.00 | "
    "110134310 2/4/2 > 100000000  1.000 56000.00";

TEST_F(FixedAssetForms, OpeningBalancesPostEachCardOnceAndSaySo)
{
    auto* view = Open<COSNachOstView>("OSNachOstView");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_DATE_AFTER), GetDPV2().ToQString());
    Settle();
    QImage picture = afxtest::grab(view->GetParentFrame());
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/os_nach_ost.png"));

    const QString question = QString::fromUtf8("Ввести остатки на ") + Opening().ToQString() + " ? ";
    view->SetDlgItemText(IDC_DATE_AFTER, Opening());
    {
        afxtest::InteractionScript script;
        script.message(question, IDNO);
        afxtest::click(view, IDOK);
        script.verify();
    }
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki"), 0);

    const QString done = QString::fromUtf8("Остатки на ") + Opening().ToQString() +
                         QString::fromUtf8(" введены: карточек основных средств 2");
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        afxtest::InteractionScript script;
        script.message(question, IDYES);
        script.message(done, IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        EXPECT_EQ(Postings(), CString(kBranchOneOpening));
    }
    const long long document = Count(
        FormatText("select doc_id as cnt from ledmark_os_nach_ost where d='%d-01-01' and fil_id=1", year));
    EXPECT_GT(document, 0);
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_provodki where id<>%lld", document)), 0);
    // The balances the asset documents read: value and quantity, and the
    // depreciation the card came with.
    LedgerBalance asset, depreciation;
    ASSERT_TRUE(ReadAccountBalance(Opening(), "110136310", "1", nullptr, nullptr, -2, nullptr, nullptr, asset));
    ASSERT_TRUE(ReadAccountBalance(Opening(), "110436410", "1", nullptr, nullptr, -2, nullptr, nullptr, depreciation));
    EXPECT_DOUBLE_EQ(asset.Sum(), 6000);
    EXPECT_DOUBLE_EQ(asset.Quantity(), 5);
    EXPECT_DOUBLE_EQ(depreciation.Sum(), -1500);
    EXPECT_EQ(Active<COSNachOstView>(), view) << "the form stays open";
}

TEST_F(FixedAssetForms, OpeningBalancesRefuseAMissingOrWrongDate)
{
    auto* view = Open<COSNachOstView>("OSNachOstView");
    ASSERT_NE(view, nullptr);
    const struct {
        const char* input;
        const char* message;
    } cases[] = {
        {"", "Укажите дату"},
        {"31.02.2026", "Неверная дата: 31.02.2026"},
        {"завтра", "Неверная дата: завтра"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        view->SetDlgItemText(IDC_DATE_AFTER, c.input);
        Refused(view, c.message, IDC_DATE_AFTER);
    }
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki"), 0);
}

TEST_F(FixedAssetForms, TheInventoryListOfTheTickedAccounts)
{
    ASSERT_EQ(ExecuteSql(FormatText("call sproc_ledmark_vvod_noos('%d-01-01',1)", year)), 1);
    ASSERT_EQ(ExecuteSql(FormatText("call sproc_ledmark_vvod_noos('%d-01-01',2)", year)), 1);
    auto* view = Open<COSInventView>("os_invent");
    ASSERT_NE(view, nullptr);
    CString rows;
    for (long row = 0; row < view->m_grid.GetNRows(); ++row)
        rows += (row ? "|" : "") + view->m_grid.GetCellValue(0, row);
    EXPECT_EQ(rows, CString("0 101 34 000|0 101 36 000")) << "no depreciation account";
    EXPECT_TRUE(view->IsDlgButtonChecked(IDC_OI_ALL));
    EXPECT_FALSE(afxtest::control(view, IDC_OI_BAND_HIGH)->IsWindowVisible());
    afxtest::setChecked(view, IDC_OI_ALL, false);
    EXPECT_TRUE(afxtest::control(view, IDC_OI_BAND_HIGH)->IsWindowVisible());
    EXPECT_TRUE(view->IsDlgButtonChecked(IDC_OI_BAND_HIGH));
    Settle();
    QImage picture = afxtest::grab(view->GetParentFrame());
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/os_invent.png"));

    auto calls = [this] {
        std::vector<std::string> texts;
        for (const auto& call : scripts.calls)
            if (call.call.rfind("PrepareTheReport(", 0) == 0)
                texts.push_back(call.call);
        return texts;
    };
    scripts.Clear();
    Refused(view, "Укажите какие счета", 0);
    view->m_grid.SetBCheck(0, 1);
    for (const char* hostile : {"3\" or 1=1", "3'", "999"}) {
        SCOPED_TRACE(hostile);
        view->SetDlgItemText(IDC_SET_TN, hostile);
        Refused(view, "Нет такого работника", IDC_SET_TN);
    }
    view->SetDlgItemText(IDC_SET_TN, "");
    view->SetDlgItemText(IDC_OI_PRD, "1 or 1=1");
    Refused(view, "Нет такого подразделения", IDC_OI_PRD);
    EXPECT_TRUE(calls().empty());

    // One account, the employee of the notebook, every branch.
    view->SetDlgItemText(IDC_OI_PRD, "");
    view->SetDlgItemText(IDC_SET_TN, " 4");
    afxtest::chooseEntry(view, IDC_FIL, 0);
    afxtest::click(view, IDOK);
    const std::string end = std::string(GetDPV2());
    ASSERT_EQ(calls().size(), 1u) << "the report runs once";
    EXPECT_EQ(calls()[0], "PrepareTheReport(\"" + end + "\",\"4\",\" and ((col1='101' and col2='34'))\",-2,0,\"\")");
    QString page = ReportPage();
    for (const char* part : {"ОСНОВНЫХ СРЕДСТВ", "Ноутбук", "56000.00", "Фактически"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
    EXPECT_FALSE(page.contains(QString::fromUtf8("Холодильник"))) << "another person's";

    // Both accounts, every person, the first branch, department 1.
    view->m_grid.SetBCheck(1, 1);
    view->SetDlgItemText(IDC_SET_TN, "");
    view->SetDlgItemText(IDC_OI_PRD, "1");
    afxtest::chooseEntry(view, IDC_FIL, 1);
    scripts.Clear();
    afxtest::click(view, IDOK);
    ASSERT_EQ(calls().size(), 1u);
    EXPECT_EQ(calls()[0], "PrepareTheReport(\"" + end +
                              "\",\"\",\" and ((col1='101' and col2='34') or (col1='101' and col2='36'))\",1,0,\"1\")");
    page = ReportPage();
    for (const char* part : {"Стулья", "6000.00", "Итого"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
    for (const char* part : {"Ноутбук", "Стенд", "Холодильник"})
        EXPECT_FALSE(page.contains(QString::fromUtf8(part))) << part;
    EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "select_fil_prn", -5), 1);
}

} // namespace
