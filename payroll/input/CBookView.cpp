#include "CBookView.h"

#include "BookSave.h"
#include "appcore.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/NipForm.h"
#include "tariffication/StaffNumbers.h"

#include <QDate>

#include <iterator>
#include <type_traits>

namespace npaymar {

namespace {

// The edit fields with the kind of what they take: codes and numbers plain,
// dates as dates.
const nvenzol::NipEdit kFields[] = {
    {IDC_TN, EDIT_KIND_PLAIN},         {IDC_BOOK_STJ, EDIT_KIND_PLAIN},  {IDC_PAY_PRD, EDIT_KIND_PLAIN},
    {IDC_PAY_KAT, EDIT_KIND_PLAIN},    {IDC_NV, EDIT_KIND_PLAIN},        {IDC_BOOK_INN, EDIT_KIND_PLAIN},
    {IDC_BOOK_DU, EDIT_KIND_DATE},     {IDC_BOOK_NSR, EDIT_KIND_DATE},   {IDC_PAY_D1, EDIT_KIND_DATE},
    {IDC_PAY_D2, EDIT_KIND_DATE},      {IDC_BOOK_DPRIK, EDIT_KIND_DATE},
};
static_assert(std::size(kFields) == std::extent_v<decltype(CBookView::m_edits)>);

// The columns of a position row and the fields that show them.
const struct {
    const char* column;
    int field;
} kRowFields[] = {
    {"plav", IDC_BOOK_PLAV}, {"dprik", IDC_BOOK_DPRIK}, {"nprik", IDC_BOOK_NPRIK}, {"kl", IDC_KL},
    {"dol", IDC_DOL},        {"d1", IDC_PAY_D1},         {"d2", IDC_PAY_D2},         {"kpz", IDC_PRIKAZ},
    {"prd", IDC_PAY_PRD1},   {"kat", IDC_PAY_KAT1},      {"kou", IDC_VOU},
};

// The facts of a position and the read-only fields that show them.
const struct {
    const char* column;
    int field;
} kPositionFacts[] = {
    {"kat", IDC_BOOK_DOL_KAT}, {"raz", IDC_BOOK_DOL_RAZ}, {"vr", IDC_BOOK_DOL_VR},
    {"vr2", IDC_BOOK_DOL_VR2}, {"vr3", IDC_BOOK_DOL_VR3}, {"vr4", IDC_BOOK_DOL_VR4},
};

bool Blank(const CString& text)
{
    return CString(text).Trim().IsEmpty();
}

} // namespace

IMPLEMENT_DYNCREATE(CBookView, CMyFormView1)

BEGIN_MESSAGE_MAP(CBookView, CMyFormView1)
    ON_EN_CHANGE(IDC_TN, OnChangeTn)
    ON_EN_CHANGE(IDC_NPP, OnChangeNpp)
    ON_EN_CHANGE(IDC_DOL, OnChangeDol)
    ON_EN_CHANGE(IDC_BOOK_NSR, OnChangeNsr)
    ON_BN_CLICKED(IDOK, OnSaveCommand)
    ON_BN_CLICKED(IDC_BOOK_LGOTY, OnLgoty)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CBookView, CMyFormView1)
    ON_EVENT(CBookView, IDC_PAY_GRID, 3, OnRatesEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
END_EVENTSINK_MAP()

CBookView::CBookView() : CMyFormView1(IDR_BOOK)
{
    nvenzol::SetEditKinds(m_edits, kFields, std::size(kFields));
}

CBookView::~CBookView() = default;

void CBookView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    nvenzol::BindEdits(pDX, m_edits, kFields, std::size(kFields));
    DDX_Control(pDX, IDC_PAY_GRID, m_rates);
    DDX_Control(pDX, IDC_BOOK_STAJ, m_staj);
}

void CBookView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    appcore::SetFormTitle(this, "Бухгалтерская книга");
    ResizeParentToFit(FALSE);
    for (const char* item : {"от дней", "от часов", "нет - спасибо"})
        m_staj.AddString(item);
    m_staj.SetCurSel(-1);
    GetDlgItem(IDC_KL)->EnableWindow(FALSE);
    m_rates.SetNRows(0);
    // How service time is accrued is asked only where the project counts it.
    const int shown = g_lProjectType == 3 ? SW_SHOW : SW_HIDE;
    GetDlgItem(IDC_BOOK_STAJ)->ShowWindow(shown);
    GetDlgItem(IDC_BOOK_STAJ_LABEL)->ShowWindow(shown);
}

void CBookView::OnChangeTn()
{
    OnChangeNpp();
    CMyFormView1::OnChangeTn();
    CString typed;
    GetDlgItemText(IDC_TN, typed);
    const struct {
        const char* column;
        int field;
    } attributes[] = {
        {"du", IDC_BOOK_DU}, {"prof", 0},          {"prd", IDC_PAY_PRD}, {"nv", IDC_NV},          {"inn", IDC_BOOK_INN},
        {"SNo", IDC_BOOK_SNO}, {"kat", IDC_PAY_KAT}, {"stj", IDC_BOOK_STJ}, {"nsr", IDC_BOOK_NSR},
    };
    for (const auto& attribute : attributes) {
        const CString value = GetTN(typed, attribute.column);
        if (attribute.field)
            SetDlgItemText(attribute.field, value);
        else
            CheckDlgButton(IDC_BOOK_PROF, atol(value) ? BST_CHECKED : BST_UNCHECKED);
    }
    ShowMedStaj();
    if (Blank(typed))
        return;
    CString tn;
    const CString main = nvenzol::CheckedNumber(typed, tn)
                             ? ExecuteString(FormatText("select npp as str from paymar_bux where osn=1 and tn=%s", tn))
                             : CString();
    nvenzol::SetKeyText(this, IDC_NPP, main);
}

void CBookView::OnChangeNpp()
{
    CMyFormView1::OnChangeNpp();
    CString typedTn, typedNpp;
    GetDlgItemText(IDC_TN, typedTn);
    GetDlgItemText(IDC_NPP, typedNpp);
    int osn = 0;
    int staj = 0;
    std::vector<CString> values(std::size(kRowFields));
    CString tn, npp;
    const bool employee = nvenzol::CheckedNumber(typedTn, tn);
    if (employee && nvenzol::CheckedNumber(typedNpp, npp)) {
        ForEachRow(FormatText("select plav,dprik,nprik,kl,dol,d1,d2,kpz,prd,kat,kou,osn,staj from paymar_bux "
                              "where tn=%s and npp=%s",
                              tn, npp),
                   [&](_RecordsetPtr& row) {
                       for (size_t i = 0; i < values.size(); ++i)
                           values[i] = SafeArayToString(row->GetCollect(kRowFields[i].column));
                       osn = atoi(SafeArayToString(row->GetCollect("osn")));
                       staj = atoi(SafeArayToString(row->GetCollect("staj")));
                   });
    } else if (employee && Blank(typedNpp)) {
        // An employee's first row is his main one.
        osn = ExecuteCount(FormatText("select count(npp) as cnt from paymar_bux where tn=%s", tn)) == 0 ? 1 : 0;
    }
    for (size_t i = 0; i < values.size(); ++i)
        SetDlgItemText(kRowFields[i].field, values[i]);
    CheckDlgButton(IDC_BOOK_OSN, osn ? BST_CHECKED : BST_UNCHECKED);
    m_staj.SetCurSel(staj);
    EnableCalendar(values[3]);
}

void CBookView::EnableCalendar(const CString& calendar)
{
    bool enabled = ExecuteCount("select count(id) as cnt from spr_kl") >= 2;
    if (!enabled)
        enabled = ExecuteString("select id as str from spr_kl") != calendar;
    GetDlgItem(IDC_KL)->EnableWindow(enabled);
}

void CBookView::OnChangeDol()
{
    CMyFormView1::OnChangeDol();
    CString typed;
    GetDlgItemText(IDC_DOL, typed);
    CString position;
    std::vector<CString> facts(std::size(kPositionFacts));
    if (nvenzol::CheckedNumber(typed, position)) {
        ForEachRow(FormatText("select kat,raz,vr,vr2,vr3,vr4 from spr_paymar_dol where id=%s", position),
                   [&](_RecordsetPtr& row) {
                       for (size_t i = 0; i < facts.size(); ++i)
                           facts[i] = SafeArayToString(row->GetCollect(kPositionFacts[i].column));
                   });
    }
    FillRates(position);
    for (size_t i = 0; i < facts.size(); ++i)
        SetDlgItemText(kPositionFacts[i].field, facts[i]);
}

void CBookView::FillRates(const CString& position)
{
    std::vector<std::vector<CString>> rows;
    if (!position.IsEmpty()) {
        ForEachRow(FormatText("select spr_paymar_dol1.* from spr_paymar_dol1 where spr_paymar_dol1.id=%s and "
                              "(okl>0 or kontr>0)",
                              position),
                   [&rows](_RecordsetPtr& row) {
                       std::vector<CString> cells;
                       for (const char* column : {"nv", "okl", "kontr", "okl2"}) {
                           const CString value = SafeArayToString(row->GetCollect(column));
                           cells.push_back(value.IsEmpty() ? value : ftoa(atof(value)));
                       }
                       rows.push_back(std::move(cells));
                   });
    }
    m_rates.SetRows(rows);
    m_rates.Invalidate();
}

void CBookView::OnRatesEditStart(short, short, CString*, short* cancel)
{
    *cancel = 1;
}

void CBookView::OnChangeNsr()
{
    ShowMedStaj();
}

void CBookView::ShowMedStaj()
{
    CString typedTn, start, tn;
    GetDlgItemText(IDC_TN, typedTn);
    GetDlgItemText(IDC_BOOK_NSR, start);
    CString text;
    if (!Blank(start) && nvenzol::CheckedNumber(typedTn, tn))
        text = GetMedStaj(atol(tn), DMGtoStr(COleDateTime::GetCurrentTime()), DMG(start, 1));
    SetDlgItemText(IDC_BOOK_MED_STAJ, text);
}

void CBookView::OnLgoty()
{
    CString tn;
    GetDlgItemText(IDC_TN, tn);
    CHelpers::FN_OpenDocument0("ПаймарЛьготы", 0, tn);
}

void CBookView::OnSaveCommand()
{
    Save();
}

} // namespace npaymar
