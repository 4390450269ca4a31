#include "CDocumentView.h"

#include "CHelpers.h"
#include "DocumentActions.h"
#include "DocumentVersions.h"
#include "ndbcore.h"

IMPLEMENT_DYNAMIC(CDocumentView, CderivedFormview)

BEGIN_MESSAGE_MAP(CDocumentView, CderivedFormview)
    ON_COMMAND(IDOK, OnSaveCommand)
    ON_COMMAND(ID_DOCUMENT_NEW, OnNewCommand)
    ON_COMMAND(ID_DOCUMENT_PRINT, OnPrintCommand)
    ON_COMMAND(ID_DOCUMENT_DELETE, OnDeleteCommand)
    ON_COMMAND(ID_DOCUMENT_POSTINGS, OnPostingsCommand)
END_MESSAGE_MAP()

CDocumentView::CDocumentView(UINT nIDTemplate, HINSTANCE hModule) : CderivedFormview(nIDTemplate, hModule) {}

CDocumentView::~CDocumentView() = default;

CconfigDocument* CDocumentView::GetDocument() const
{
    return dynamic_cast<CconfigDocument*>(CFormView::GetDocument());
}

long CDocumentView::GetRealId() const
{
    CconfigDocument* document = GetDocument();
    return document ? document->real_id : -1;
}

void CDocumentView::SetRealId(long id)
{
    if (CconfigDocument* document = GetDocument())
        document->real_id = id;
}

CString CDocumentView::GetLoadedDate() const
{
    CconfigDocument* document = GetDocument();
    return document ? document->m_strLoadedDate : CString();
}

void CDocumentView::SetLoadedDate(const CString& date)
{
    if (CconfigDocument* document = GetDocument())
        document->m_strLoadedDate = date;
}

void CDocumentView::OnInitialUpdate()
{
    // The version of the stored row, before the view reads the row (SetSql).
    // A form opened without a database (nothing to read) keeps none.
    const long realId = GetRealId();
    const CString table = realId > 0 ? StoredTable() : CString();
    const _ConnectionPtr connection = GetConnection();
    const bool open = connection && connection->GetState() == adStateOpen;
    appcore::KeepLoadedVersion(GetDocument(), open && IsSqlIdentifier(table.ToQString())
                                                  ? appcore::StoredVersion(table, realId)
                                                  : 0);
    CderivedFormview::OnInitialUpdate();
}

void CDocumentView::SetSql() {}

void CDocumentView::PostOK(int notify, int clearModified)
{
    CconfigDocument* document = GetDocument();
    if (document && clearModified)
        document->SetModifiedFlag(FALSE);
    if (notify)
        appcore::NotifyDocumentSaved(this, GetRealId());
}

void CDocumentView::OnSaveCommand()
{
    Write(1);
}

void CDocumentView::OnNewCommand()
{
    if (AfxMessageBox("Ввести новый документ ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    SetRealId(-1);
    SetLoadedDate(CString());
    SetSql();
}

void CDocumentView::OnPrintCommand()
{
    CString call;
    call.Format("prn(%ld)", GetRealId());
    EXEC_ShowFormReport(call, 0, 1);
}

CString CDocumentView::StoredTable() const
{
    return appcore::DocumentTable(GetDocumentName());
}

BOOL CDocumentView::DeleteStored(long realId)
{
    return appcore::DeleteDocumentRow(StoredTable(), realId);
}

void CDocumentView::OnDeleteCommand()
{
    const long realId = GetRealId();
    if (appcore::ConfirmDocumentDelete(StoredTable(), realId, GetLoadedDate()) && DeleteStored(realId))
        OnCancel();
}

void CDocumentView::OnPostingsCommand()
{
    appcore::ShowDocumentPostings(StoredTable(), GetRealId());
}
