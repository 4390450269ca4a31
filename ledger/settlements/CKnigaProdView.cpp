// The sales book entry: load, the buyer's name, checks and the print.
#include "CKnigaProdView.h"

#include "CHelpers.h"
#include "TypedNumber.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CKnigaProdView, CVatBookEntryView)

BEGIN_MESSAGE_MAP(CKnigaProdView, CVatBookEntryView)
    ON_COMMAND(IDC_KP_ORG_PICK, OnBuyerPick)
    ON_EN_CHANGE(IDC_SET_ORG, OnBuyerChange)
    ON_COMMAND(ID_DOCUMENT_PRINT, OnPrint)
END_MESSAGE_MAP()

namespace {

// The amounts as the messages name them, in the order of kAmountIds.
const char* const kAmountNames[8] = {
    "сумма без НДС по ставке 18%", "сумма НДС по ставке 18%", "сумма без НДС по ставке 10%",
    "сумма НДС по ставке 10%",     "сумма без НДС по ставке 20%", "сумма НДС по ставке 20%",
    "продажи освобождаемые от налога", "сумма по ставке 0 процентов"};

} // namespace

CKnigaProdView::CKnigaProdView() : CVatBookEntryView(IDR_KNIGA_PROD)
{
    m_editDate.SetType(EDIT_KIND_DATE);
}

CKnigaProdView::~CKnigaProdView() = default;

void CKnigaProdView::DoDataExchange(CDataExchange* pDX)
{
    CVatBookEntryView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KPR_DATE, m_editDate);
}

void CKnigaProdView::SetSql()
{
    CWaitCursor wait;
    CKnigaProdRecord record;
    record.branch = RememberedBranch();
    if (GetRealId() == -1) {
        record.source = ShownSource();
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
    } else if (!record.Load(GetRealId())) {
        CloseUnreadDocument();
        return;
    } else {
        SetLoadedDate(record.date);
    }
    SetDlgItemText(IDC_KPR_DATE, record.date);
    ShowEntry(record.branch, record.source, record.number, record.total, record.invoiceDate, record.paidDate,
              record.org, record.amounts);
}

BOOL CKnigaProdView::OptionalDate(UINT ctrlId, const CString& text, const char* message, CString& date)
{
    date = CString(text).Trim();
    if (date.IsEmpty())
        return TRUE;
    date = DMG(date, 1, 0);
    if (!date.IsEmpty())
        return TRUE;
    AfxMessageBox(message);
    FocusField(ctrlId, TRUE);
    return FALSE;
}

// The Part's checks first (entry date, sum, buyer); then the invoice's and the
// payment's dates and every amount, so nothing that is no date or no number
// is stored as NULL without a word.
BOOL CKnigaProdView::ValidateDocument()
{
    CKnigaProdRecord r;
    r.branch = SelectedBranch(IDC_FIL);
    r.source = m_nSource + 1;
    CString date, invoiceDate, paidDate, total, amounts[8];
    GetDlgItemText(IDC_KPR_DATE, date);
    GetDlgItemText(IDC_KP_NUMBER, r.number);
    GetDlgItemText(IDC_KP_INVOICE_DATE, invoiceDate);
    GetDlgItemText(IDC_KP_TOTAL, total);
    GetDlgItemText(IDC_KP_PAID, paidDate);
    GetDlgItemText(IDC_SET_ORG, r.org);
    GetDlgItemText(IDC_SET_ORG_NAME, r.orgName);
    for (int i = 0; i < 8; ++i)
        GetDlgItemText(kAmountIds[i], amounts[i]);
    r.org.Trim();
    if (!CheckDateText(IDC_KPR_DATE, date.Trim(), "Укажите дату записи", r.date))
        return FALSE;
    r.total = TypedNumber(total);
    if (r.total.IsEmpty() || atof(r.total) == 0) {
        AfxMessageBox("Укажите сумму с/ф");
        FocusField(IDC_KP_TOTAL, FALSE);
        return FALSE;
    }
    if (!RequireText(IDC_SET_ORG, r.org, "Укажите код Организации"))
        return FALSE;
    if (!SprOk("spr_contr", r.org)) {
        AfxMessageBox("Нет такого Контрагента");
        FocusField(IDC_SET_ORG, TRUE);
        return FALSE;
    }
    if (!OptionalDate(IDC_KP_INVOICE_DATE, invoiceDate, "Неверная дата счета-фактуры", r.invoiceDate)
        || !OptionalDate(IDC_KP_PAID, paidDate, "Неверная дата оплаты", r.paidDate))
        return FALSE;
    for (int i = 0; i < 8; ++i) {
        r.amounts[i] = TypedNumber(amounts[i]);
        if (r.amounts[i].IsEmpty() && !amounts[i].Trim().IsEmpty()) {
            AfxMessageBox(CString("Сумма указывается числом: ") + kAmountNames[i]);
            FocusField(kAmountIds[i], TRUE);
            return FALSE;
        }
    }
    m_record = r;
    return TRUE;
}

void CKnigaProdView::RememberDefaults()
{
    RememberBranch(m_record.branch);
}

void CKnigaProdView::OnBuyerPick()
{
    CHelpers::GetInSpr("spr_contr", this, IDC_SET_ORG, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CKnigaProdView::OnBuyerChange()
{
    CString code;
    GetDlgItemText(IDC_SET_ORG, code);
    SetDlgItemText(IDC_SET_ORG_NAME, GetFromSPR("spr_contr", code));
}

void CKnigaProdView::OnPrint()
{
    CHelpers::FN_OpenDocument0("ОтчКнигПродаж", 0, nullptr);
}

} // namespace nledmark
