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
    GotoDlgCtrl(m_setup.search.IsEmpty() ? static_cast<CWnd*>(List()) : GetDlgItem(IDC_PICKER_SEARCH));
    return FALSE;
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
    int first = -1;
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
    if (first < 0 && !m_shown.empty() && !search.IsEmpty())
        first = 0;
    if (first >= 0 && !m_setup.multi)
        list->SetCurSel(first);
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
    for (int item = 0; item < list->GetCount(); ++item) {
        bool chosen = m_setup.multi ? list->GetSel(item) > 0 : list->GetCurSel() == item;
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
