// CDocTemplate and CMultiDocTemplate: what a kind of document is made of
// (document, frame and view classes) and the seven-field template string of
// the string table under the template's resource id:
//   "<window title>\n<document name>\n<new file name>\n<filter name>\n
//    <filter extension>\n<registry type id>\n<registry type name>"
// The string is looked up in the module that creates the template first (a
// default argument evaluated in the caller's library), then in every loaded
// module, so a template may use a string of a neighbour module; a string
// that was missing then is looked up again when asked, so it is found once
// the module holding it has loaded.
//
// OpenDocumentFile(NULL) makes a new document, its MDI child frame and its
// view from the run-time classes (CRuntimeClass::CreateObject), runs
// OnNewDocument, the views' OnInitialUpdate and activates the frame. The
// application owns its templates (AddDocTemplate) and deletes them at exit.
#pragma once
#include "core/AfxLists.h"
#include "res/AfxResources.h"
#include "wnd/CCmdTarget.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };
    enum Confidence {
        noAttempt,
        maybeAttemptForeign,
        maybeAttemptNative,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen,
    };

    ~CDocTemplate() override;

    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;
    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual CDocument* CreateNewDocument();
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;
    virtual Confidence MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch);
    virtual void CloseAllDocuments(BOOL bEndSession);
    virtual BOOL SaveAllModified();
    // Reads the template string (done when it is first asked for; again
    // after the resources changed).
    virtual void LoadTemplate();

    UINT GetResourceID() const { return m_nIDResource; }
    HINSTANCE GetResourceModule() const { return m_hModule; }

    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                 CRuntimeClass* pViewClass, HINSTANCE hModule);
    // Takes a closing document off the list; it keeps its template.
    virtual void DetachDocument(CDocument* pDoc) = 0;

    UINT m_nIDResource;
    HINSTANCE m_hModule;
    mutable CString m_strDocStrings;
    friend class CDocument;
};

class CMultiDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass, HINSTANCE hModule = AFX_CALLER_MODULE);
    ~CMultiDocTemplate() override;

    POSITION GetFirstDocPosition() const override { return m_docList.GetHeadPosition(); }
    CDocument* GetNextDoc(POSITION& rPos) const override;
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    void SetDefaultTitle(CDocument* pDocument) override;

    UINT m_nUntitledCount = 0;

protected:
    void DetachDocument(CDocument* pDoc) override;
    CPtrList m_docList;
    CPtrList m_closingList;  // documents closing, no longer offered
};

// Field iSubString (from 0) of a text whose fields are separated by chSep.
BOOL AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, char chSep = '\n');
