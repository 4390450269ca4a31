#include "COSNachOstView.h"

#include "AssetOpeningBalances.h"
#include "FormTitle.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(COSNachOstView, CderivedFormview)

BEGIN_MESSAGE_MAP(COSNachOstView, CderivedFormview)
    ON_COMMAND(IDOK, OnPost)
END_MESSAGE_MAP()

COSNachOstView::COSNachOstView() : CderivedFormview(IDD_OS_NACH_OST)
{
    m_editDate.SetType(EDIT_KIND_DATE);
}

COSNachOstView::~COSNachOstView() = default;

void COSNachOstView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_DATE_AFTER, m_editDate);
}

void COSNachOstView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Ввод начальных остатков ОС");
    if (!FillFils(this, IDC_FIL, (int)AfxGetApp()->GetProfileInt("constants", "select_fil", 1), 0)) {
        OnCancel();
        return;
    }
    m_editDate.SetWindowText(GetDPV2());
    ResizeParentToFit(FALSE);
}

void COSNachOstView::FocusDate()
{
    m_editDate.SetFocus();
    m_editDate.SetSel(0, -1);
}

void COSNachOstView::OnPost()
{
    CWaitCursor wait;
    CString typed;
    m_editDate.GetWindowText(typed);
    typed.Trim();
    const int branch = ChosenFil(&m_comboFil);
    if (typed.IsEmpty()) {
        AfxMessageBox("Укажите дату", MB_OK);
        m_editDate.SetFocus();
        return;
    }
    const CString date = DMG(typed, 0, 0);
    if (date.IsEmpty()) {
        AfxMessageBox("Неверная дата: " + typed, MB_OK);
        FocusDate();
        return;
    }
    m_editDate.SetWindowText(date);
    if (!GL_Verify_Date(date, 1)) {
        FocusDate();
        return;
    }
    if (branch < 1) {
        AfxMessageBox("Укажите филиал", MB_OK);
        m_comboFil.SetFocus();
        return;
    }
    if (AfxMessageBox("Ввести остатки на " + date + " ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!ExecuteSql(OpeningBalancesCall(CurrentDialect(), ChangeDateUS0(date, 0), branch))) {
        FocusDate();
        return;
    }
    const long cards = OpeningBalancesCards(date, branch);
    if (cards > 0)
        AfxMessageBox(FormatText("Остатки на %s введены: карточек основных средств %ld", date, cards),
                      MB_OK | MB_ICONINFORMATION);
    else if (cards == 0)
        AfxMessageBox("Остатки на " + date + " не введены: в филиале нет карточек основных средств со стоимостью",
                      MB_OK | MB_ICONINFORMATION);
    FocusDate();
}

} // namespace nledmark
