#include "CSprPickerDlg.h"

#include "ChoiceDelivery.h"
#include "res/AppcoreResource.h"

#include <QListWidget>
#include <QSet>

CSprPickerDlg::CSprPickerDlg(const appcore::PickerSetup& setup, appcore::PickerRows rows, CWnd* parent)
    : CDialog(setup.multi ? IDD_SPR_PICKER_MULTI : IDD_SPR_PICKER, parent), m_setup(setup), m_rows(std::move(rows))
{
}

BEGIN_MESSAGE_MAP(CSprPickerDlg, CDialog)
    ON_EN_CHANGE(IDC_PICKER_SEARCH, OnSearchChange)
    ON_LBN_DBLCLK(IDC_PICKER_LIST, OnListDblClk)
    ON_LBN_SELCHANGE(IDC_PICKER_LIST, OnListSelChange)
END_MESSAGE_MAP()

CListBox* CSprPickerDlg::List()
{
    return static_cast<CListBox*>(GetDlgItem(IDC_PICKER_LIST));
}

BOOL CSprPickerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_setup.title.IsEmpty())
        SetWindowText(m_setup.title);
    SetDlgItemText(IDC_PICKER_SEARCH, m_setup.search);
    // Every row is one line of text: the list need not measure each of them.
    if (auto* list = qobject_cast<QListWidget*>(List()->GetQWidget()))
        list->setUniformItemSizes(true);
    FillList();
    // Typing goes to the search field; the keys that move in a list move the
    // current row from there, Enter chooses it and Escape cancels.
    GotoDlgCtrl(GetDlgItem(IDC_PICKER_SEARCH));
    return FALSE;
}

BOOL CSprPickerDlg::PreTranslateMessage(MSG* pMsg)
{
    CWnd* focus = GetFocus();
    CWnd* search = GetDlgItem(IDC_PICKER_SEARCH);
    if (pMsg->message == WM_KEYDOWN && focus && search && focus->m_hWnd == search->m_hWnd) {
        CListBox* list = List();
        const int count = list->GetCount();
        const int page = 10;
        int step = 0;
        switch (pMsg->wParam) {
        case VK_UP: step = -1; break;
        case VK_DOWN: step = 1; break;
        case VK_PRIOR: step = -page; break;
        case VK_NEXT: step = page; break;
        default: break;
        }
        if (step != 0) {
            if (count > 0)
                MoveTo(qBound(0, list->GetCaretIndex() < 0 ? 0 : list->GetCaretIndex() + step, count - 1));
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

// The row becomes the current one and the only one chosen.
void CSprPickerDlg::MoveTo(int item)
{
    CListBox* list = List();
    if (m_setup.multi) {
        list->SetSel(-1, FALSE);
        list->SetSel(item, TRUE);
        list->SetCaretIndex(item);
    } else {
        list->SetCurSel(item);
    }
}

void CSprPickerDlg::OnListSelChange()
{
    // A row chosen with the mouse leaves the typing in the search field.
    if (CWnd* search = GetDlgItem(IDC_PICKER_SEARCH))
        search->SetFocus();
}

CString CSprPickerDlg::RowText(const appcore::PickerRow& row) const
{
    QStringList cells;
    for (const CString& cell : row.cells)
        cells << cell.ToQString();
    return CString(cells.join(QStringLiteral("   ")));
}

void CSprPickerDlg::FillList()
{
    CString search;
    GetDlgItemText(IDC_PICKER_SEARCH, search);
    CListBox* list = List();
    list->ResetContent();
    m_shown.clear();
    // The caller's current value (several keys by "," when several may be chosen) is selected.
    QStringList keys = m_setup.current.ToQString().split(u',', Qt::SkipEmptyParts);
    QSet<QString> current;
    for (const QString& key : keys)
        current.insert(key.trimmed());
    int first = -1;  // the caller's current row, else the first one
    for (size_t i = 0; i < m_rows.rows.size(); ++i) {
        const appcore::PickerRow& row = m_rows.rows[i];
        if (!appcore::RowMatches(row, search.ToQString()))
            continue;
        int item = list->AddString(RowText(row));
        m_shown.push_back(int(i));
        if (!current.contains(row.key.ToQString()) || (!m_setup.multi && first >= 0))
            continue;
        if (first < 0)
            first = item;
        if (m_setup.multi)
            list->SetSel(item, TRUE);
    }
    if (first < 0 && !m_shown.empty())
        first = 0;
    if (first >= 0 && !m_setup.multi)
        list->SetCurSel(first);
    else if (first >= 0)
        list->SetCaretIndex(first);
    CString count;
    count.Format("Строк: %d из %d", int(m_shown.size()), int(m_rows.rows.size()));
    SetDlgItemText(IDC_PICKER_COUNT, count);
}

void CSprPickerDlg::OnSearchChange()
{
    FillList();
}

void CSprPickerDlg::OnListDblClk()
{
    if (!m_setup.multi)
        OnOK();
}

void CSprPickerDlg::OnOK()
{
    CListBox* list = List();
    m_chosen.clear();
    m_chosenRows.clear();
    // Several rows: the selected ones, or the current row when none is.
    const bool anySelected = m_setup.multi && list->GetSelCount() > 0;
    for (int item = 0; item < list->GetCount(); ++item) {
        bool chosen = anySelected ? list->GetSel(item) > 0
                                  : (m_setup.multi ? list->GetCaretIndex() : list->GetCurSel()) == item;
        if (!chosen || item >= int(m_shown.size()))
            continue;
        const appcore::PickerRow& row = m_rows.rows[size_t(m_shown[size_t(item)])];
        m_chosen.push_back(row.key);
        m_chosenRows.push_back(&row);
    }
    if (m_chosen.empty()) {
        MessageBeep(MB_ICONEXCLAMATION);
        GotoDlgCtrl(list);
        return;
    }
    EndDialog(IDOK);
}

namespace appcore {

int ChooseAndDeliver(const PickerSetup& setup, const ChoiceTarget& target, bool asText)
{
    PickerRows rows;
    if (!LoadPickerRows(setup, rows))
        return IDCANCEL;
    CSprPickerDlg picker(setup, std::move(rows), target.Parent());
    if (picker.DoModal() != IDOK)
        return IDCANCEL;
    target.Deliver(JoinKeys(picker.GetChosenKeys()), asText);
    return IDOK;
}

} // namespace appcore
