#include "CPostingDocView.h"

#include "CCellwork.h"
#include "DocumentVersions.h"
#include "SaveChecks.h"
#include "dlg/AfxFailureScope.h"
#include "ScriptReadCache.h"
#include "dlgkit.h"
#include "gridbase.h"
#include "ledmark.h"
#include "SharedCommands.h"

#include <algorithm>

namespace nledmark {

IMPLEMENT_DYNAMIC(CPostingDocView, CDocumentView)

BEGIN_MESSAGE_MAP(CPostingDocView, CDocumentView)
    ON_COMMAND(32860, OnDeleteLine)
    ON_COMMAND(ID_DOCUMENT_NEW, OnNewDocument)
END_MESSAGE_MAP()

namespace {

constexpr long kRowPassed = 1;
constexpr long kRowEdited = -1;

} // namespace

CPostingDocView::CPostingDocView(UINT nIDTemplate, HINSTANCE hModule) : CDocumentView(nIDTemplate, hModule) {}

CPostingDocView::~CPostingDocView() = default;

void CPostingDocView::SetSql()
{
    m_unread = FALSE;
    if (!LoadDocument())
        CloseUnreadDocument();
}

void CPostingDocView::CloseUnreadDocument()
{
    m_unread = TRUE;
    OnCancel();
}

CString CPostingDocView::ProposeNumber(const CString& number)
{
    m_proposedNumber = number;
    return number;
}

CString CPostingDocView::KeptProposal(const CString& number) const
{
    return GetRealId() == -1 && !m_proposedNumber.IsEmpty() && number == m_proposedNumber ? number : CString();
}

CString CPostingDocView::ProposedNumber() const
{
    const CString* number = const_cast<CPostingDocView*>(this)->Number();
    return number ? KeptProposal(*number) : CString();
}

int CPostingDocView::Write(int ask)
{
    CWaitCursor wait;
    if (m_unread)
        return 0;
    // One read cache for the whole save: the checks and the posting statements
    // read the same chart rows and reference books, and the save writes only
    // the document's own rows, which none of them reads.
    appcore::CScriptReadCache reads;
    {
        // A check that could not read says nothing of the value: the failure
        // is told once and the save stops there.
        CAfxFailureScope checks;
        if (!UpdateData(TRUE) || !CheckStoredDate() || !ValidateDocument() || checks.Failed())
            return 0;
    }
    if (RemembersBeforeQuestion())
        RememberDefaults();
    if (ask && AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        OnSaveDeclined();
        return 0;
    }
    if (!RemembersBeforeQuestion())
        RememberDefaults();
    if (!OnSaveConfirmed())
        return 0;
    long realId = GetRealId();
    const CString proposed = ProposedNumber();
    CString taken;
    // A stored document is saved only over the version the form loaded.
    long version = realId == -1 ? 0 : appcore::LoadedVersion(GetDocument());
    if (!SaveStoredDocumentOfVersion(*this, realId, version, &taken))
        return 0;
    SetRealId(realId);
    SetLoadedDate(DocumentDate());
    appcore::KeepLoadedVersion(GetDocument(), version);
    m_proposedNumber.Empty();
    if (!taken.IsEmpty()) {
        SetDlgItemText(NumberTextId(), taken);
        UpdateData(TRUE);
        AfxMessageBox(FormatText("Номер %s уже занят другим документом: документ записан под номером %s.", proposed,
                                 taken),
                      MB_OK | MB_ICONINFORMATION);
    }
    AfterSave();
    return 1;
}

BOOL CPostingDocView::DeleteStored(long realId)
{
    return DeleteStoredDocument(*this, realId);
}

void CPostingDocView::OnSaveDeclined()
{
    SetFocus();
}

void CPostingDocView::AfterSave()
{
    PostOK(1, 1);
    FocusField(NumberFieldId(), TRUE);
}

void CPostingDocView::OnNewDocument()
{
    if (AfxMessageBox("Ввести новый документ ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    SetRealId(-1);
    SetLoadedDate(CString());
    appcore::KeepLoadedVersion(GetDocument(), 0);
    if (NewKeepsFields())
        ResetRowMarks();
    else
        SetSql();
    FocusField(NumberFieldId(), TRUE);
}

BOOL CPostingDocView::CheckStoredDate()
{
    const CString loaded = GetLoadedDate();
    return loaded.IsEmpty() || GL_Verify_Date0(loaded) != 0;
}

BOOL CPostingDocView::CheckDateControl(UINT ctrlId, const COleDateTime& value, const char* emptyMessage,
                                       CString& date)
{
    return CheckDateText(ctrlId, DMGtoStr(value), emptyMessage, date);
}

BOOL CPostingDocView::CheckDateText(UINT ctrlId, const CString& text, const char* emptyMessage, CString& date)
{
    if (text.IsEmpty()) {
        AfxMessageBox(emptyMessage);
        FocusField(ctrlId, FALSE);
        return FALSE;
    }
    date = DMG(text, 1, 0);
    if (date.IsEmpty() || !GL_Verify_Date(date, 1)) {
        FocusField(ctrlId, TRUE);
        return FALSE;
    }
    return TRUE;
}

BOOL CPostingDocView::RequireText(UINT ctrlId, const CString& text, const char* message, BOOL select)
{
    if (!text.IsEmpty())
        return TRUE;
    AfxMessageBox(message);
    FocusField(ctrlId, select);
    return FALSE;
}

void CPostingDocView::FocusField(UINT ctrlId, BOOL select)
{
    CWnd* field = GetDlgItem(ctrlId);
    if (!field)
        return;
    if (auto* edit = dynamic_cast<CderivedEdit*>(field); edit && select)
        edit->SetFocus0();
    else
        field->SetFocus();
}

int CPostingDocView::SelectedBranch(UINT comboId) const
{
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(comboId));
    const int selected = combo ? combo->GetCurSel() : -1;
    return selected < 0 ? 1 : (int)(LONG_PTR)combo->GetItemData(selected);
}

void CPostingDocView::OfferNewDocument(UINT focusId, int notify)
{
    if (AfxMessageBox("Документ успешно записан.\nЖелаете внести новый документ ? ", MB_YESNO | MB_ICONQUESTION)
        == IDYES) {
        SetRealId(-1);
        SetLoadedDate(CString());
        appcore::KeepLoadedVersion(GetDocument(), 0);
        SetSql();
    } else {
        FocusField(focusId, TRUE);
    }
    PostOK(notify, 1);
}

void CPostingDocView::ShowLineFault(long row, int column, const CString& message)
{
    CCellwork* grid = LinesGrid();
    if (message.IsEmpty())
        return;
    AfxMessageBox(message);
    if (!grid)
        return;
    grid->SetFocus();
    if (row >= 0 && column >= 0)
        grid->SetCurCell(column, row);
}

void CPostingDocView::OnDeleteLine()
{
    CCellwork* grid = LinesGrid();
    if (!grid || AfxMessageBox("Удалить эту строку ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const long row = grid->GetCurRow();
    if (row < 0)
        return;
    grid->RowRemove(row);
    OnLinesChanged();
}

void CPostingDocView::OnTNbtn()
{
    nledmark::OnTNbtn(this);
}

void CPostingDocView::OnPrintForm()
{
    nledmark::OnPrintForm(this);
}

void CPostingDocView::RememberChooserRow(UINT msg, long row)
{
    for (auto& [kept, keptRow] : m_chooserRows)
        if (kept == msg) {
            keptRow = row;
            return;
        }
    m_chooserRows.emplace_back(msg, row);
}

long CPostingDocView::RememberedRow(UINT msg) const
{
    for (const auto& [kept, row] : m_chooserRows)
        if (kept == msg)
            return row;
    return -1;
}

BOOL CPostingDocView::TakeAnswer(UINT message, LPARAM lParam)
{
    CCellwork* grid = LinesGrid();
    const std::vector<CAnswerColumn> columns = AnswerColumns();
    auto found = std::find_if(columns.begin(), columns.end(), [&](const CAnswerColumn& c) { return c.msg == message; });
    if (!grid || found == columns.end())
        return FALSE;
    const long row = RememberedRow(message);
    if (row < 0 || row >= grid->GetNRows())
        return TRUE;
    const CString value = found->text ? CString(reinterpret_cast<const char*>(lParam)) : utos((long long)lParam);
    grid->SetCellValue(found->column, row, value);
    grid->SetCurCell(found->column, row);
    MarkRowEdited(row);
    OnAnswered(message, row);
    return TRUE;
}

LRESULT CPostingDocView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= kFirstAnswerMsg && message <= kLastAnswerMsg && TakeAnswer(message, lParam))
        return 0;
    return CDocumentView::WindowProc(message, wParam, lParam);
}

BOOL CPostingDocView::RowPassed(long row) const
{
    CCellwork* grid = const_cast<CPostingDocView*>(this)->LinesGrid();
    if (!grid)
        return FALSE;
    const _variant_t mark = grid->GetRowData(row);
    return mark.vt != VT_EMPTY && mark.vt != VT_NULL && long(mark) == kRowPassed;
}

void CPostingDocView::MarkRowPassed(long row)
{
    if (CCellwork* grid = LinesGrid())
        grid->SetRowData(row, _variant_t(kRowPassed));
}

void CPostingDocView::MarkRowEdited(long row)
{
    if (CCellwork* grid = LinesGrid())
        grid->SetRowData(row, _variant_t(kRowEdited));
}

void CPostingDocView::ResetRowMarks()
{
    if (CCellwork* grid = LinesGrid())
        for (long row = 0; row < grid->GetNRows(); ++row)
            if (RowPassed(row))
                grid->SetRowData(row, _variant_t(kRowEdited));
}

void CPostingDocView::WatchHeaderFields(std::initializer_list<UINT> ids)
{
    m_watched.assign(ids.begin(), ids.end());
}

BOOL CPostingDocView::IsWatched(UINT ctrlId) const
{
    return std::find(m_watched.begin(), m_watched.end(), ctrlId) != m_watched.end();
}

BOOL CPostingDocView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT code = HIWORD(wParam);
    if ((code == EN_CHANGE || code == CBN_SELCHANGE || code == BN_CLICKED) && lParam != 0
        && IsWatched(LOWORD(wParam)))
        ResetRowMarks();
    return CDocumentView::OnCommand(wParam, lParam);
}

BOOL CPostingDocView::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->code == DTN_DATETIMECHANGE && IsWatched((UINT)header->idFrom))
        ResetRowMarks();
    return CDocumentView::OnNotify(wParam, lParam, pResult);
}

} // namespace nledmark
