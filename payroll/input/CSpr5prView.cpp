#include "CSpr5prView.h"

#include "CSprOtchisView.h"
#include "PayrollBooks.h"
#include "ScriptBridges.h"
#include "appcore.h"
#include "gridbase.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/StaffNumbers.h"

namespace npaymar {

namespace {

// The line's text fields with their columns, in the order they are read.
const struct {
    const char* column;
    int field;
} kFields[] = {{"d", IDC_5PR_D},           {"k", IDC_5PR_K},           {"ekr", IDC_EKR},
               {"sb_deb", IDC_5PR_SB_DEB}, {"sb_kred", IDC_5PR_SB_KRED}};

} // namespace

IMPLEMENT_DYNCREATE(CSpr5prView, CPayBookView)

BEGIN_MESSAGE_MAP(CSpr5prView, CPayBookView)
    ON_EN_CHANGE(IDC_5PR, OnChange5pr)
    ON_BN_CLICKED(IDC_5PR_D_BTN, OnDebitBtn)
    ON_BN_CLICKED(IDC_5PR_K_BTN, OnCreditBtn)
    ON_BN_CLICKED(IDC_5PR_SB_DEB_BTN, OnSubDebitBtn)
    ON_BN_CLICKED(IDC_5PR_SB_KRED_BTN, OnSubCreditBtn)
END_MESSAGE_MAP()

CSpr5prView::CSpr5prView() : CPayBookView(IDR_SPR_5PR, "Проводки зарплаты", IDC_5PR) {}

void CSpr5prView::DoDataExchange(CDataExchange* pDX)
{
    CPayBookView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAY_CODES, m_codes);
    DDX_Control(pDX, IDC_BOOK_POITS, m_poits);
    DDX_Check(pDX, IDC_5PR_BMAN, m_bman);
}

void CSpr5prView::FirstLoad()
{
    FillDecimals(m_poits);
}

void CSpr5prView::OnChange5pr()
{
    if (!m_codes.GetSafeHwnd())
        return;
    CString code;
    const bool known = nvenzol::CheckedNumber(FieldText(IDC_5PR), code) && SprOk("spr_paymar_5pr", code);
    m_codes.ResetContent();
    CString pr, poits, values[std::size(kFields)];
    if (known)
        Guarded("CSpr5prView", [&] {
            LoadPayCodes(m_codes, "spr_paymar_5pr", "spr_paymar_5pr1", "id", "kou", code);
            const CString key = " from spr_paymar_5pr where id=" + code;
            pr = ExecuteString("select pr as str" + key);
            for (size_t i = 0; i < std::size(kFields); ++i)
                values[i] = ExecuteString(FormatText("select %s as str", kFields[i].column) + key);
            poits = ExecuteString("select poits as str" + key);
            m_bman = int(ExecuteCount("select bman as cnt" + key));
        });
    SetDlgItemText(IDC_BOOK_PR, ftoa(atof(pr)));
    for (size_t i = 0; i < std::size(kFields); ++i)
        SetDlgItemText(kFields[i].field, values[i]);
    m_poits.SetCurSel(int(atol(poits)));
    UpdateData(FALSE);
    CPayBookView::OnChange5pr();
}

bool CSpr5prView::CheckEntry()
{
    UpdateData(TRUE);
    CString number;
    const CString code = FieldText(IDC_5PR);
    if (IsBlank(code))
        return Refuse(IDC_5PR, "Укажите н/п", false);
    if (!nvenzol::CheckedNumber(code, number))
        return Refuse(IDC_5PR, "Укажите н/п целым числом", true);
    if (IsBlank(FieldText(IDC_5PR_NAME)))
        return Refuse(IDC_5PR_NAME, "Укажите наименование", false);
    const CString pr = FieldText(IDC_BOOK_PR);
    if (IsBlank(pr))
        return Refuse(IDC_BOOK_PR, "Укажите процент", false);
    // Zero is told after the decimal comma is read, so "0,5" is a percentage.
    if (!NonZeroNumber(pr))
        return Refuse(IDC_BOOK_PR, "Укажите процент", true);
    const CString debit = FieldText(IDC_5PR_D);
    const CString credit = FieldText(IDC_5PR_K);
    if (IsBlank(debit))
        return Refuse(IDC_5PR_D, "Укажите Дебет", false);
    if (IsBlank(credit))
        return Refuse(IDC_5PR_K, "Укажите Кредит", false);
    if (!GL_Valid_Sch0(CString(debit).Trim(), 0, -1))
        return Refuse(IDC_5PR_D, "Нет такого счета по дебету", true);
    if (!GL_Valid_Sch0(CString(credit).Trim(), 0, -1))
        return Refuse(IDC_5PR_K, "Нет такого счета по кредиту", true);
    const CString ekr = FieldText(IDC_EKR);
    if (!IsBlank(ekr) && (!nvenzol::CheckedNumber(ekr, number) || !SprOk("spr_ekr", number)))
        return Refuse(IDC_EKR, "Нет в справочнике ЭКР", true);
    for (auto [field, message] : {std::pair{IDC_5PR_SB_DEB, "Укажите субконто дебета целым числом"},
                                  std::pair{IDC_5PR_SB_KRED, "Укажите субконто кредита целым числом"}})
        if (!nvenzol::CodeLiteral(FieldText(field), number))
            return Refuse(field, message, true);
    return true;
}

bool CSpr5prView::WriteEntry()
{
    CString poits;
    m_poits.GetWindowText(poits);
    PostingLineRecord record{FieldText(IDC_5PR),       FieldText(IDC_5PR_NAME),   FieldText(IDC_BOOK_PR),
                             FieldText(IDC_5PR_D),     FieldText(IDC_5PR_K),      FieldText(IDC_EKR),
                             FieldText(IDC_5PR_SB_DEB), FieldText(IDC_5PR_SB_KRED), m_bman,
                             poits,                    TickedPayCodes(m_codes)};
    return WritePostingLine(record);
}

void CSpr5prView::AfterWrite()
{
    OnChange5pr();
    CPayBookView::AfterWrite();
}

void CSpr5prView::OnDebitBtn()
{
    CExtFuncs::OnSprPlanSch0(this, IDC_5PR_D, -1, FieldText(IDC_5PR_D), 1, nullptr, nullptr);
}

void CSpr5prView::OnCreditBtn()
{
    CExtFuncs::OnSprPlanSch0(this, IDC_5PR_K, -1, FieldText(IDC_5PR_K), 2, nullptr, nullptr);
}

void CSpr5prView::OnSubDebitBtn()
{
    CHelpers::GetInSpr("spr_paymar_5pr", this, IDC_5PR_SB_DEB, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CSpr5prView::OnSubCreditBtn()
{
    CHelpers::GetInSpr("spr_paymar_5pr", this, IDC_5PR_SB_KRED, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

} // namespace npaymar
