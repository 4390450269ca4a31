// Bank payments: construction, the payment-order chooser and the save's checks.
#include "CBankSpisView.h"

#include "FormTitle.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CBankSpisView, CBankStatementView)

BEGIN_MESSAGE_MAP(CBankSpisView, CBankStatementView)
END_MESSAGE_MAP()

namespace {

constexpr UINT kPaymentOrderAnswer = 0x46a;

const CBankLayout kLayout = {
    IDC_BANK_CREDIT, 1, SPIS_DEBIT, SPIS_SUM, SPIS_CONTENT, SPIS_KBK_DEB, SPIS_KBK_KRED, SPIS_KOL,
    SPIS_VPD, SPIS_COLUMNS,
    0x469, 0x465, 0x466, 0x46e, 0x46d, 0x46f,
    235,
    "bank_spis_501", "bank_spis_kred", "230405000"};

} // namespace

CBankSpisView::CBankSpisView() : CBankStatementView(IDR_BANK_SPIS, kLayout, CBankSpisRecord()) {}

CBankSpisView::~CBankSpisView() = default;

void CBankSpisView::OnInitialUpdate()
{
    SetFormTitle(this, "Банковская выписка (списание)");
    CBankStatementView::OnInitialUpdate();
}

std::vector<CAnswerColumn> CBankSpisView::AnswerColumns() const
{
    std::vector<CAnswerColumn> columns = CBankStatementView::AnswerColumns();
    columns.push_back({kPaymentOrderAnswer, SPIS_PLPOR, false});
    return columns;
}

void CBankSpisView::PickMainAccount()
{
    CExtFuncs::OnSprPlanSch0(this, IDC_BANK_CREDIT, -1, "", 0, nullptr, "220101000,320101000,420101000,130405000");
}

void CBankSpisView::PickCell(int col, long row)
{
    if (col != SPIS_PLPOR)
        return;
    const CString sql = PaymentOrderQuery(row);
    if (sql.IsEmpty())
        return;
    RememberChooserRow(kPaymentOrderAnswer, row);
    CExtFuncs::ShowPrnPlporSpis(sql, this, kPaymentOrderAnswer, Cell(SPIS_PLPOR, row), -1);
}

namespace {

CString WhereOf(const std::vector<CString>& conditions)
{
    CString where;
    for (const CString& condition : conditions)
        where += (where.IsEmpty() ? "where " : " and ") + condition;
    return where;
}

} // namespace

CString CBankSpisView::PaymentOrderQuery(long row)
{
    UpdateData(TRUE);
    std::vector<CString> conditions;
    const CString date = DMG(DMGtoStr(m_date), 0, 0);
    if (!date.IsEmpty())
        conditions.push_back("plpor.d<=" + ChangeDateUS0(date, 0));
    // The counterparty in the first dimension of the debit that keeps them, and
    // its organisation, reach the query only as numbers.
    CChartFacts chart;
    const CString debit = Cell(SPIS_DEBIT, row);
    for (int k = 1; k <= 3; ++k) {
        if (chart.Dimension(debit, k) != "spr_contr")
            continue;
        const CString contr = Cell(SPIS_DEBIT + k, row).Trim();
        const CString org = IsDigitsOnly(contr) ? GetOrgFromContr(contr).Trim() : CString();
        if (IsDigitsOnly(org))
            conditions.push_back("plpor.org=" + org);
        break;
    }
    // The row's sum, while some order has it.
    const CString sum = DecimalPoint(Cell(SPIS_SUM, row));
    if (!sum.IsEmpty()) {
        std::vector<CString> withSum = conditions;
        withSum.push_back("plpor.s=" + DB_Digit(sum));
        if (ExecuteCount("select count(*) as cnt from plpor " + WhereOf(withSum)) > 0)
            conditions = withSum;
    }
    return "select plpor.npp,plpor.number,plpor.d,plpor.s,spr_org.name as iorg from plpor "
           "left join spr_org on plpor.org=spr_org.id " + WhereOf(conditions) + " order by plpor.d,plpor.number";
}

BOOL CBankSpisView::ValidateDocument()
{
    const auto postingsOf = [this](CChartFacts& chart, const CBankHeader& header, const CBankRow& row) {
        CString fault;
        std::vector<CPostingLine> lines = PaymentPostings(chart, header, row, fault);
        // The row's own posting goes on without its pair.
        if (!fault.IsEmpty())
            AfxMessageBox(fault);
        return lines;
    };
    return SettleStatement(PaymentRowCounts, postingsOf, "Укажите что списано со счета");
}

} // namespace nledmark
