#include "CAktualDateView.h"

#include "FormTitle.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CAktualDateView, CderivedFormview)

BEGIN_MESSAGE_MAP(CAktualDateView, CderivedFormview)
    ON_COMMAND(IDOK, OnOK)
END_MESSAGE_MAP()

namespace {

const char* const kActualDate = "system_actual_date";

} // namespace

CAktualDateView::CAktualDateView() : CderivedFormview(IDD_AKTUAL_DATE)
{
    m_editDate.SetType(EDIT_KIND_DATE);
}

CAktualDateView::~CAktualDateView() = default;

void CAktualDateView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ACTUAL_DATE, m_editDate);
}

void CAktualDateView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Дата актуальности");
    ResizeParentToFit(FALSE);
    m_editDate.SetWindowText(GetConstant(kActualDate, 0));
}

LRESULT CAktualDateView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CTLCOLORSTATIC) {
        CWnd* control = CWnd::FromHandle(reinterpret_cast<HWND>(lParam));
        if (control && control->GetDlgCtrlID() == IDC_ACTUAL_DATE_TEXT) {
            if (!m_background.GetSafeHandle())
                m_background.CreateSolidBrush(GetFormBgColor());
            auto* dc = reinterpret_cast<CDC*>(wParam);
            dc->SetBkMode(TRANSPARENT);
            dc->SetTextColor(RGB(127, 0, 0));
            return reinterpret_cast<LRESULT>(m_background.GetSafeHandle());
        }
    }
    return CderivedFormview::WindowProc(message, wParam, lParam);
}

void CAktualDateView::OnOK()
{
    CWaitCursor wait;
    CString text;
    m_editDate.GetWindowText(text);
    if (text.IsEmpty()) {
        AfxMessageBox("Укажите дату");
        m_editDate.SetFocus();
        return;
    }
    const CString date = DMG(text, 1, 0);
    if (date.IsEmpty()) {
        m_editDate.SetFocus0();
        return;
    }
    CString question;
    question.Format("Установить дату актуальности %s ?", (LPCTSTR)date);
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (SetConstant(kActualDate, date, nullptr))
        OnCancel();
}

} // namespace nledmark
