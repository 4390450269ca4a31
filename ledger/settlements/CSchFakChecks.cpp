// The checks of an issued invoice's save, in the order the user meets them:
// personal account, buyer and consignee, the buyer's counterparty, the codes,
// the sum and the date, the posting; then, after "Yes", the sample payment
// order kept for the next invoices.
#include "CPrnSchFakView.h"

#include "ConfigGlobals.h"
#include "TypedNumber.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

namespace {

// Line breaks of a multi-line field as the database keeps them.
CString WithBrTags(CString text)
{
    text.Replace("\r\n", "<br>");
    text.Replace("\n", "<br>");
    return text;
}

} // namespace

BOOL CPrnSchFakView::ValidateDocument()
{
    CSchFakRecord r;
    r.branch = SelectedBranch(IDC_FIL);
    r.posted = !m_bNoPosting;
    r.sampleShown = m_bSampleShown != FALSE;
    GetDlgItemText(IDC_SF_LS, r.ls);
    GetDlgItemText(IDC_SET_ORG, r.org);
    GetDlgItemText(IDC_SF_CONSIGNEE, r.org2);
    GetDlgItemText(IDC_SET_ORG_NAME, r.buyerName);
    GetDlgItemText(IDC_SF_ACTIVITY, r.activity);
    GetDlgItemText(IDC_SF_KBK_DEBIT, r.kbkDebit);
    GetDlgItemText(IDC_SF_KBK_CREDIT, r.kbkCredit);
    GetDlgItemText(IDC_NUMBER, r.number);
    GetDlgItemText(IDC_SUM, r.sum);
    GetDlgItemText(IDC_SF_DEBIT, r.debit);
    GetDlgItemText(IDC_SF_CREDIT, r.credit);
    for (int n = 0; n < 3; ++n)
        GetDlgItemText(IDC_SF_SB1 + 2 * n, r.sb[n]);
    GetDlgItemText(IDC_SF_PAYDOC_NUMBER, r.payDocNumber);
    GetDlgItemText(IDC_SF_NOTE, r.note);
    CString sample;
    GetDlgItemText(IDC_SF_SAMPLE, sample);
    r.sample = WithBrTags(sample);
    r.payDocDate = DMGtoStr(m_payDocDate);
    r.paid = DMGtoStr(m_paid);
    for (CString* code : {&r.ls, &r.org, &r.org2, &r.activity, &r.kbkDebit, &r.kbkCredit, &r.debit, &r.credit,
                          &r.sb[0], &r.sb[1], &r.sb[2], &r.number})
        code->Trim();
    if (!CheckCodes(r) || !CheckAmountsAndDate(r))
        return FALSE;
    if (r.posted && !TestPostingLines({r.Posting()}, r.date, r.branch))
        return FALSE;
    GatherLines(r);
    m_record = r;
    // The branch is kept for the next invoice before the question.
    AfxGetApp()->WriteProfileInt("constants", "select_fil", r.branch);
    return TRUE;
}

BOOL CPrnSchFakView::CheckCodes(CSchFakRecord& r)
{
    if (!RequireText(IDC_SF_LS, r.ls, "Укажите № ведомости"))
        return FALSE;
    if (!IsDigitsOnly(r.ls) || !SprOk("spr_ls", r.ls)) {
        AfxMessageBox("Нет такого л/с");
        FocusField(IDC_SF_LS, TRUE);
        return FALSE;
    }
    if (!RequireText(IDC_SET_ORG, r.org, "Укажите код Организации"))
        return FALSE;
    if (!IsDigitsOnly(r.org) || !SprOk("spr_org", r.org)) {
        AfxMessageBox("Нет такого кода Организации");
        FocusField(IDC_SET_ORG, TRUE);
        return FALSE;
    }
    if (!r.org2.IsEmpty() && (!IsDigitsOnly(r.org2) || !SprOk("spr_org", r.org2))) {
        AfxMessageBox("Нет такого кода Организации");
        FocusField(IDC_SF_CONSIGNEE, TRUE);
        return FALSE;
    }
    r.counterparty = ExecuteString(FormatText("select id as str from spr_contr where tip=0 and id_tip=%s", r.org));
    if (r.counterparty.IsEmpty()) {
        AfxMessageBox("Нет такого Контрагента");
        FocusField(IDC_SET_ORG, TRUE);
        return FALSE;
    }
    // The KBKs and analytic values are keys of their books: whole numbers.
    const struct {
        UINT id;
        const CString* code;
    } keys[] = {{IDC_SF_ACTIVITY, &r.activity}, {IDC_SF_KBK_DEBIT, &r.kbkDebit}, {IDC_SF_KBK_CREDIT, &r.kbkCredit},
                {IDC_SF_SB1, &r.sb[0]},         {IDC_SF_SB2, &r.sb[1]},          {IDC_SF_SB3, &r.sb[2]}};
    for (const auto& key : keys)
        if (!key.code->IsEmpty() && !IsDigitsOnly(*key.code)) {
            AfxMessageBox("Код указывается целым числом");
            FocusField(key.id, TRUE);
            return FALSE;
        }
    if (!r.debit.IsEmpty()
        && I_GetSprTableName(GL_Get_SB(r.debit, 2)).CompareNoCase("spr_vid_pred_deyat") == 0)
        r.debit2 = r.activity;
    return TRUE;
}

// Any sum but zero is an invoice's sum (a correction may be negative).
BOOL CPrnSchFakView::CheckAmountsAndDate(CSchFakRecord& r)
{
    r.sum = TypedNumber(r.sum);
    if (r.sum.IsEmpty() || atof(r.sum) == 0) {
        AfxMessageBox("Укажите Сумму");
        FocusField(IDC_SUM, FALSE);
        return FALSE;
    }
    return CheckDateControl(IDC_DATE, m_date, "Укажите Дату", r.date);
}

// The lines that hold anything, in the grid's order; quantities keep their
// fractions.
void CPrnSchFakView::GatherLines(CSchFakRecord& r) const
{
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        CSchFakLine line;
        line.name = Cell(SF_NAME, row).Trim();
        line.unit = Cell(SF_UNIT, row).Trim();
        line.quantity = TypedNumber(Cell(SF_QUANTITY, row));
        line.sum = TypedNumber(Cell(SF_SUM, row));
        if (line.name.IsEmpty() && line.unit.IsEmpty() && atof(line.quantity) == 0 && atof(line.sum) == 0)
            continue;
        r.lines.push_back(line);
    }
}

// After "Yes": a new invoice whose sample payment order differs from the one
// kept may keep its own for the next invoices.
void CPrnSchFakView::RememberDefaults()
{
    if (GetRealId() != -1 || m_record.sample.IsEmpty())
        return;
    if (m_record.sample == GetConstant("prn_sch_fack_vnim", 0))
        return;
    if (AfxMessageBox("Образец платежного поручения изменен\nЗапомнить новый образец платежного поручения ? ",
                      MB_YESNO | MB_ICONQUESTION)
        == IDYES)
        SetConstant("prn_sch_fack_vnim", m_record.sample, 0);
}

} // namespace nledmark
