// CDocumentView: the base of every editable document's view. Its document is
// a CconfigDocument (the stored row's key real_id, -1 for a new document, and
// the kept date). The view loads itself in SetSql; a successful save ends
// with PostOK. The base takes the commands the document forms share, unless
// the view maps them itself:
//   1 "&Записать"   Write(1)
//   40020 "&Новый"  asks, then a new document: real_id -1 and SetSql
//   32792 "&Печать" the form's report prn(real_id)
//   32790 "&Удалить" asks, checks the kept date, deletes the stored document
//                   (DeleteStored) and closes
//   32861 "Бух.Справка" opens the postings of the document ("doc_prov")
// Both work on the view's StoredTable().
//   2 "&Отмена"     closes the form (OnCancel)
#pragma once

#include "CconfigDocument.h"
#include "CderivedFormview.h"

#define ID_DOCUMENT_NEW 40020
#define ID_DOCUMENT_PRINT 32792
#define ID_DOCUMENT_DELETE 32790
#define ID_DOCUMENT_POSTINGS 32861

// Sent to every other open view after a document was saved (PostOK with a
// first argument non-zero): lists and journals refresh on it. wParam is the
// saved document's real_id.
#define WM_DOCUMENT_SAVED 0x8110

class CDocumentView : public CderivedFormview {
    DECLARE_DYNAMIC(CDocumentView)
public:
    explicit CDocumentView(UINT nIDTemplate, HINSTANCE hModule = AFX_CALLER_MODULE);
    ~CDocumentView() override;

    CconfigDocument* GetDocument() const;
    // The stored row's key (-1 for a new document) and the kept date.
    long GetRealId() const;
    void SetRealId(long id);
    CString GetLoadedDate() const;
    void SetLoadedDate(const CString& date);

    void OnInitialUpdate() override;
    // The view's own load of its document (the base loads nothing).
    virtual void SetSql();

    // Ends a successful save. notify non-zero: the other open views are told
    // (WM_DOCUMENT_SAVED) so lists and journals show the saved document;
    // clearModified non-zero: the document counts as unchanged. Safe after
    // OnCancel: the form is still there until the handler returns.
    virtual void PostOK(int notify, int clearModified);

    // The table of the stored row the form shows: by default that of the
    // configuration's document kind whose form is the view's document name.
    virtual CString StoredTable() const;
    // Deletes the stored row `realId` with everything that belongs to it, in
    // one transaction; by default the row of StoredTable() and its postings.
    virtual BOOL DeleteStored(long realId);

protected:
    afx_msg void OnSaveCommand();
    afx_msg void OnNewCommand();
    afx_msg void OnPrintCommand();
    afx_msg void OnDeleteCommand();
    afx_msg void OnPostingsCommand();

    DECLARE_MESSAGE_MAP()
};
