// CDocProvView ("doc_prov"): the postings of one document, read only. The
// document's parameter text is the document id (the forms' "Бух.Справка"
// command opens it); a saved document refreshes it (WM_DOCUMENT_SAVED).
#pragma once

#include "CDocumentView.h"
#include "CderivedFormview.h"
#include "gridbase.h"

class CDocProvView : public CderivedFormview {
    DECLARE_DYNCREATE(CDocProvView)
public:
    CDocProvView();
    CCellwork m_grid;
    void OnInitialUpdate() override;
    // Shows the postings of the document id again.
    void Fill();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnDocumentSaved(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// The storno of a document: its document keeps the id of the document whose
// postings it reverses (the parameter text), and the view shows those
// postings with their amounts and quantities reversed.
class CStornoDoc : public CconfigDocument {
    DECLARE_DYNCREATE(CStornoDoc)
public:
    CStornoDoc();
};

class CStornoView : public CDocumentView {
    DECLARE_DYNCREATE(CStornoView)
public:
    CStornoView();
    CCellwork m_grid;
    void OnInitialUpdate() override;
    void SetSql() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
