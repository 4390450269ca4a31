// The frames half of the MFC subset: the application object and the
// program's start, frames and MDI, documents, templates and views.
//
// How it is built, for the classes that build on it (the application core's
// application, main frame, form views and document pairs):
// - CWinApp (app/CWinApp.h) is the one application object; AfxGetApp gives
//   it, AfxGetMainWnd its m_pMainWnd. A program's main() is
//   `return AfxWinMain(argc, argv);` (app/AfxWinMain.h): QApplication,
//   LC_NUMERIC "C", the command line in Windows form (GetCommandLine,
//   m_lpCmdLine), InitInstance, the event loop, ExitInstance. The names
//   m_pszAppName/m_pszRegistryKey/m_pszProfileName are malloc'ed and may be
//   freed and replaced by the program. The profile calls go to
//   core/CProfileStore.h. PreTranslateMessage of the application sees every
//   key first (the windows half's hook); OnIdle runs when the event loop is
//   about to wait and updates the main frame's bars.
// - Frames (frm/): a CFrameWnd is a QMainWindow, a CMDIChildWnd a
//   QMdiSubWindow inside the CMDIFrameWnd's MDI client (a QMdiArea with the
//   window class "MDIClient", m_hWndMDIClient). LoadFrame(id) takes the title
//   (first field of string id), the menu (MENU id) and the icon (ICON id) from
//   the resources. PreCreateWindow may set cs.cx/cs.cy (the whole frame) and
//   cs.lpszClass (a class from RegisterClass, kept as the frame's class name
//   for FindWindow/GetClassName). The view fills the frame's client host (a
//   scroll area: a form larger than its frame scrolls; ResizeParentToFit
//   sizes the frame to the form).
// - Command routing: a command (menu, toolbar, posted WM_COMMAND) goes to the
//   MDI frame, which offers it to the active child first; a frame offers it
//   to its active view, the view to its document, the document to its
//   template, then the frame's own map, then the application. Update
//   handlers (ON_UPDATE_COMMAND_UI) run the same way before a popup menu
//   opens and when the program is idle (bars); a command whose update
//   handler disables it does not run. A form's button that neither view nor
//   document takes goes on to the frame and the application.
// - Documents (doc/): CMultiDocTemplate(id, doc, frame, view) reads its
//   seven-field string (GetDocString(s, CDocTemplate::docName) is the
//   document name) from the creating module's resources first, then from
//   every module. OpenDocumentFile(NULL) creates document, frame and view
//   through CRuntimeClass::CreateObject, runs OnNewDocument, sends
//   OnInitialUpdate to the views and activates the frame.
// - Closing is deferred: closing a frame (or OnCloseDocument) destroys the
//   frame windows; the widgets, then the view objects, go after the current
//   message has returned, and a document deletes itself when its last view is
//   deleted. A closing document is no longer listed by its template and its
//   frame is no longer in the MDI area. Tests flush with
//   QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete).
// - Form views (doc/CFormView.h) are built from dialog templates like dialogs
//   (custom control classes included), with the dialog keys. A base class
//   between CFormView and a module's view should take
//   `HINSTANCE hModule = AFX_CALLER_MODULE` and pass it on, so the module's
//   own template is found first.
// - Menus (menu/): an HMENU names a list of items kept as Windows keeps them
//   (the menu calls, CMenu); the Qt menu bar and popups are made from the
//   lists when shown. Before a popup opens its owner gets WM_INITMENUPOPUP
//   (CFrameWnd runs the items' update handlers: CMenuCmdUI) — and WM_INITMENU
//   when it is a popup of the menu bar. MF_OWNERDRAW items are measured by
//   WM_MEASUREITEM and painted by WM_DRAWITEM to the owner with a CDC on the
//   menu's painter; CFrameWnd's default hands both to the menu's attached
//   CMenu (MeasureItem/DrawItem). A chosen command is posted to the owner.
//   TrackPopupMenu is a modal step of the interaction point (a test answers
//   the chooser "menu" with the command id).
// - Bars (bars/): CToolBar (window class "ToolbarWindow32": the TB_ messages,
//   CToolBarCtrl, an image list of the comctl32 calls in gdi/CImageList.h)
//   and CStatusBar ("msctls_statusbar32"); the frame runs their update
//   handlers from CWinApp::OnIdle. A button sends WM_COMMAND to the frame;
//   its tool tip is asked of the frame (WM_NOTIFY TTN_GETDISPINFOA, idFrom the
//   command id), else it is the command string's second field.
// - Drawing (gdi/CDC.h): a CDC's HDC names its state, so DRAWITEMSTRUCT.hDC
//   attached to another CDC draws on the same surface. A memory context draws
//   into its bitmap; CPaintDC paints inside WM_PAINT (CView::OnPaint calls
//   OnDraw); a window's context outside a paint only measures.
// - Property sheets (sheet/): pages from dialog templates as tabs, made when
//   first shown; OK/Apply ask the active page's OnKillActive (UpdateData)
//   and then OnApply -> OnOK of every page shown; DoModal is a modal step of
//   the interaction point, matched by the caption's string id.
// - Threads (app/CWinThread.h): AfxBeginThread(proc, param) runs proc on a
//   thread of its own; it reaches windows by PostMessage (safe from any
//   thread); an exception escaping proc is reported on the interface thread.
#pragma once
#include "frm/AfxFrameDefs.h"
#include "frm/AfxWndClass.h"
#include "gdi/CImageList.h"
#include "menu/AfxMenuDefs.h"
#include "menu/MenuTable.h"
#include "menu/CMenu.h"
#include "bars/AfxBarDefs.h"
#include "bars/CControlBar.h"
#include "bars/CToolBarCtrl.h"
#include "bars/CToolBar.h"
#include "bars/CStatusBar.h"
#include "app/CWinThread.h"
#include "app/CWinApp.h"
#include "app/AfxWinMain.h"
#include "app/AfxCommandLine.h"
#include "frm/CFrameWnd.h"
#include "frm/CMDIFrameWnd.h"
#include "frm/CMDIChildWnd.h"
#include "doc/CDocument.h"
#include "doc/CDocTemplate.h"
#include "doc/CView.h"
#include "doc/CScrollView.h"
#include "doc/CFormView.h"
#include "sheet/CPropertyPage.h"
#include "sheet/CPropertySheet.h"
