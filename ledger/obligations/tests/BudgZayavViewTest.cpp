// The budget request as a bookkeeper prepares it: the sums, taxes and totals
// computed per indicator, one posting of the grand total kept under the first
// document id, saves that change nothing when refused, and its print.
#include "CBudgZayavView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

const QString kSaveQuestion = QStringLiteral("Записать изменения ? ");

class BudgZayavView : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        Run("delete from ledmark_provodki where id in (select id from ledmark_budg_zayavka)\n"
            "delete from ledmark_budg_zayavka");
    }
    CBudgZayavView* OpenNew()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("Бюдж.заявка", 0, nullptr), 1);
        return Active<CBudgZayavView>();
    }
    // Types into a cell as the user does: the keys, then Enter.
    static void Key(CBudgZayavView* view, short col, short row, const char* text)
    {
        view->m_grid.SetCurCell(col, row);
        view->m_grid.SetFocus();
        afxtest::typeKeys(view->m_grid.GetQWidget(), QString::fromUtf8(text));
        afxtest::pressKey(view->m_grid.GetQWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    static CString Row(CBudgZayavView* view, long row)
    {
        CString text;
        for (int col = ZAYAV_NAME; col <= ZAYAV_TOTAL; ++col)
            text += (col ? "|" : "") + view->m_grid.GetCellValue(col, row);
        return text;
    }
    // The founder and the subvention agreement of the demo as the debit's analytic values.
    static void Analytics(CBudgZayavView* view)
    {
        view->SetDlgItemText(IDC_REQ_DEB_SB1, "1");
        view->SetDlgItemText(IDC_REQ_DEB_SB2, "2");
    }
    // "npp|debit|credit|deb_sb1|deb_sb2|s|prim" of the postings of the requests.
    CString Postings()
    {
        return Text("select group_concat(concat_ws('|',p.id,p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),"
                    "concat(p.kred0,p.kred1,p.kred2,p.kred3),p.deb_sb1,p.deb_sb2,p.s,p.prim) separator ' / ') "
                    "as str from ledmark_provodki p join ledmark_budg_zayavka z on z.id=p.id");
    }
};

TEST_F(BudgZayavView, EachIndicatorIsComputedToKopecks)
{
    struct Case {
        double quantity, price;
        const char* sum;
        const char* tax;
        const char* thousands;
    } cases[] = {
        {3, 1000, "3000", "786", "3.786"},
        {1, 0.1, "0.1", "0.03", "0.00013"},
        {1, 12.5, "12.5", "3.28", "0.01578"},  // 3.275 of tax, half a kopeck up
        {0, 500, "0", "0", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.quantity << " x " << c.price);
        const CRequestFigures f = ComputeRequestRow(c.quantity, c.price);
        EXPECT_EQ(f.sum, CString(c.sum));
        EXPECT_EQ(f.tax, CString(c.tax));
        EXPECT_EQ(f.thousands, CString(c.thousands));
    }
}

TEST_F(BudgZayavView, TypedQuantitiesAndAmountsComputeTheirRowOnly)
{
    CBudgZayavView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_strDebit, CString("320503560"));
    EXPECT_EQ(view->m_strCredit, CString("340101151"));
    EXPECT_EQ(view->m_strIcn, CString("Бюджетная заявка на перечисление субвенции"));
    EXPECT_TRUE(view->GetDlgItem(IDC_REQ_DEB_SB1)->IsWindowVisible());
    EXPECT_EQ(afxtest::text(view, IDC_REQ_DEB_SB1_LABEL), QStringLiteral("Контрагенты"));
    EXPECT_EQ(afxtest::text(view, IDC_REQ_DEB_SB2_LABEL), QStringLiteral("Договоры"));
    EXPECT_FALSE(view->GetDlgItem(IDC_REQ_DEB_SB3)->IsWindowVisible());
    EXPECT_FALSE(view->GetDlgItem(IDC_REQ_KRED_SB1)->IsWindowVisible()) << "401.01.151 has no dimensions";

    Key(view, ZAYAV_NAME, 0, "Фонд оплаты труда");
    Settle();
    EXPECT_EQ(Row(view, 0), CString("Фонд оплаты труда|||||")) << "a name computes nothing";
    EXPECT_EQ(view->m_grid.GetNRows(), 1);
    Key(view, ZAYAV_QUANTITY, 0, "3");
    Key(view, ZAYAV_PRICE, 0, "1000");
    Settle();
    EXPECT_EQ(Row(view, 0), CString("Фонд оплаты труда|3|1000|3000|786|3.786"));
    ASSERT_EQ(view->m_grid.GetNRows(), 2) << "an input row follows the computed one";
    Key(view, ZAYAV_PRICE, 1, "5");
    EXPECT_EQ(Row(view, 0), CString("Фонд оплаты труда|3|1000|3000|786|3.786")) << "only the edited row";
    EXPECT_EQ(Row(view, 1), CString("||5|0|0|0"));
}

TEST_F(BudgZayavView, TheGrandTotalIsPostedOnceUnderTheFirstId)
{
    CBudgZayavView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Analytics(view);
    view->m_grid.SetCellValue(ZAYAV_NAME, 0, "Фонд оплаты труда");
    Key(view, ZAYAV_QUANTITY, 0, "3");
    Key(view, ZAYAV_PRICE, 0, "1000");
    Settle();

    // "No" keeps every field.
    afxtest::InteractionScript no;
    no.message(kSaveQuestion, IDNO);
    afxtest::click(view, IDOK);
    no.verify();
    EXPECT_EQ(view->GetRealId(), -1);
    EXPECT_EQ(Row(view, 0), CString("Фонд оплаты труда|3|1000|3000|786|3.786"));
    EXPECT_EQ(afxtest::text(view, IDC_REQ_DEB_SB1), QStringLiteral("1"));
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_budg_zayavka"), 0);

    afxtest::InteractionScript yes;
    yes.message(kSaveQuestion, IDYES);
    afxtest::click(view, IDOK);
    yes.verify();
    Settle();
    ASSERT_EQ(ChildCount(), 1) << "the request stays open";
    const long realId = view->GetRealId();
    ASSERT_GT(realId, 0);
    const long id = (long)Count("select id as cnt from ledmark_budg_zayavka");
    EXPECT_EQ(Postings(), FormatText("%d|1|320503560|340101151|1|2|3786.00|Бюджетная заявка на перечисление субвенции", id));
    EXPECT_EQ(AfxGetApp()->GetProfileString("constants", "ledmark_budg_zayavka_deb", ""), CString("320503560"));

    view->m_grid.SetCellValue(ZAYAV_NAME, 1, "Налоги");
    Key(view, ZAYAV_QUANTITY, 1, "1");
    Key(view, ZAYAV_PRICE, 1, "0.1");
    afxtest::InteractionScript again;
    again.message(kSaveQuestion, IDYES);
    afxtest::click(view, IDOK);
    again.verify();
    EXPECT_EQ(view->GetRealId(), realId);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_budg_zayavka"), 1);
    EXPECT_EQ(Postings(), FormatText("%d|1|320503560|340101151|1|2|3786.13|Бюджетная заявка на перечисление субвенции", id));

    // A refused posting leaves the stored request as it was.
    const CString stored = Text("select concat_ws('|',s,grid,coalesce(kbk_deb,'-')) as str from ledmark_budg_zayavka");
    view->SetDlgItemText(IDC_BUDG_KBK_DEBIT, "99");
    view->m_grid.SetCellValue(ZAYAV_TOTAL, 0, "5");
    afxtest::InteractionScript refused;
    afxtest::click(view, IDOK);
    refused.verify();
    ASSERT_FALSE(scripts.messages.empty()) << "the posting script says why";
    scripts.Clear();
    EXPECT_EQ(Text("select concat_ws('|',s,grid,coalesce(kbk_deb,'-')) as str from ledmark_budg_zayavka"), stored);
    EXPECT_EQ(Postings(), FormatText("%d|1|320503560|340101151|1|2|3786.13|Бюджетная заявка на перечисление субвенции", id));
}

TEST_F(BudgZayavView, ARequestWithoutIndicatorsIsRefused)
{
    CBudgZayavView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Analytics(view);
    for (bool noRows : {false, true}) {
        if (noRows)
            view->m_grid.SetNRows(0);
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Укажите показатели"), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
    }
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_budg_zayavka"), 0);
}

TEST_F(BudgZayavView, LoadingShowsTheStoredFiguresAndPrintsTheSavedRequest)
{
    // Stored figures that the computation would not give: loading keeps them.
    Run("insert into ledmark_budg_zayavka (id,number,d,sch_deb,sch_kred,icn,s,grid,fil_id) values "
        "(0,'7',curdate(),'320503560','340101151','Заявка',1000,replace(replace('Показатель|3|1000|1|2|3~|||||',"
        "'|',convert(char(2) using utf8mb4)),'~',convert(char(1) using utf8mb4)),1)");
    const long realId = (long)Count("select max(real_id) as cnt from ledmark_budg_zayavka");
    ASSERT_EQ(CHelpers::I_OpenDocument(realId, nullptr, "Бюдж.заявка", 0), 1);
    auto* view = Active<CBudgZayavView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Row(view, 0), CString("Показатель|3|1000|1|2|3"));

    scripts.Clear();
    afxtest::click(view, ID_DOCUMENT_PRINT);
    bool printed = false;
    for (const auto& call : scripts.calls)
        printed = printed || (call.call == FormatText("prn(%d)", realId).GetString() && call.context == "Form.Бюдж.заявка");
    EXPECT_TRUE(printed) << "prn(real_id) in the request's report";
    Settle();

    // An unsaved request is not printed.
    afxtest::click(view, IDCANCEL);
    Settle();
    CBudgZayavView* fresh = OpenNew();
    ASSERT_NE(fresh, nullptr);
    scripts.Clear();
    afxtest::click(fresh, ID_DOCUMENT_PRINT);
    ASSERT_EQ(scripts.messages.size(), 1u);
    EXPECT_NE(scripts.messages[0].find("не записана"), std::string::npos);
}

TEST_F(BudgZayavView, PictureOfTheFormWithTwoIndicators)
{
    CBudgZayavView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Analytics(view);
    view->m_grid.SetCellValue(ZAYAV_NAME, 0, "Фонд оплаты труда воспитателей");
    Key(view, ZAYAV_QUANTITY, 0, "12");
    Key(view, ZAYAV_PRICE, 0, "25000");
    view->m_grid.SetCellValue(ZAYAV_NAME, 1, "Фонд оплаты труда младших воспитателей");
    Key(view, ZAYAV_QUANTITY, 1, "8");
    Key(view, ZAYAV_PRICE, 1, "15000");
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/budg_zayav.png"));
}

} // namespace
