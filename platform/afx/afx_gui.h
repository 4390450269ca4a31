// The windows half of the MFC subset: windows, messages, controls, dialogs,
// resource scripts, dialog data exchange and the interaction point.
//
// How it is built, for the classes that build on it (frames, views, the grid):
// - A CWnd is one QWidget. Its handle (HWND) is a number from the table of live
//   windows (wnd/WndHandleTable.h): FromHandle(h) gives the CWnd while the
//   window lives and NULL once it is gone or closing, so a handle kept in a
//   text ("%d") is safe. GetQWidget() gives the widget; AttachWidget(widget,...)
//   makes a widget built elsewhere (a QMainWindow, an MDI subwindow, the grid)
//   the window of a CWnd object; CreateWidget is the virtual that CreateEx
//   asks for the widget.
// - Messages keep their Windows numbers. SendMessage runs WindowProc at once:
//   OnWndMsg looks the message up in the message maps through the class chain
//   (BEGIN_MESSAGE_MAP..., typed thunks in wnd/AfxMsgMap.h), WM_COMMAND goes to
//   OnCommand -> OnCmdMsg (override OnCmdMsg to route commands on, as views,
//   documents and frames do), WM_NOTIFY to OnNotify; anything not handled goes
//   to DefWindowProc: the control class's own behaviour (wnd/AfxControlClass.h),
//   or, for a message made from a Qt event, "let the widget handle the event".
//   Default() inside a handler does the same for the message in flight.
// - Qt events become messages in wnd/MessagePump.cpp (focus, size, close, keys
//   through PreTranslateMessage, mouse and paint when a map has a handler).
//   PostMessage queues on the event loop from any thread. The application's
//   PreTranslateMessage is installed with AfxSetPreTranslateHook. Every dispatch
//   started by the event loop catches an escaped exception and reports it
//   (AfxSetExceptionReporter; the default shows "*** Unhandled Exception from
//   <class> ***").
// - Control classes are registered by name (AfxRegisterControlClass): "Edit",
//   "Button", "Static", "ComboBox", "ListBox"... A custom class (the grid) is
//   registered the same way and then appears in dialog templates as
//   CONTROL "", id, "ClassName", style, x, y, cx, cy. Controls of a template get
//   a wrapper object of their own class; DDX_Control/SubclassDlgItem put a
//   member object in its place. AfxFireEvent raises an event of a control in
//   the event sink map of its parent (ON_EVENT).
// - Resources (res/AfxResources.h): suite_add_resources(target res/x.rc
//   res/resource.h pictures...) embeds a deliverable's script; lookups search the
//   caller's module first (AFX_CALLER_MODULE), then every module in load order.
//   Dialog units become pixels from the template's font (res/DialogBuilder.h).
// - Controls: CEdit, CButton (push, check, radio, group box), CStatic (text,
//   picture, frame), CComboBox, CListBox/CCheckListBox, CDateTimeCtrl (may be
//   empty), CSpinButtonCtrl, CProgressCtrl, CTabCtrl. Their notifications are
//   the Windows ones (see each header); changes made by the program send what
//   Windows sends (EN_CHANGE from SetWindowText, nothing from SetCurSel).
// - Every modal step goes through AfxRunModal (dlg/AfxInteraction.h); a test
//   installs a driver instead of waiting for a person: the interaction script
//   of platform/testing/gui (library testing_gui), with the helpers that type,
//   choose, press and read by control id (GuiDriver.h).
// - DestroyWindow hides the window and deletes its widget after the current
//   message returns; PostNcDestroy runs then (self-deleting windows delete
//   themselves there).
#pragma once
#include "wnd/AfxWinTypes.h"
#include "wnd/AfxGeometry.h"
#include "wnd/AfxMessages.h"
#include "wnd/AfxStyles.h"
#include "wnd/AfxKeys.h"
#include "wnd/AfxMsgMap.h"
#include "wnd/AfxEventSink.h"
#include "wnd/CCmdTarget.h"
#include "wnd/CCmdUI.h"
#include "wnd/CWnd.h"
#include "wnd/AfxControlClass.h"
#include "wnd/AfxDispatch.h"
#include "wnd/MessagePump.h"
#include "gdi/AfxGdi.h"
#include "res/AfxResources.h"
#include "res/DialogBuilder.h"
#include "ctl/CEdit.h"
#include "ctl/CButton.h"
#include "ctl/CStatic.h"
#include "ctl/CComboBox.h"
#include "ctl/CListBox.h"
#include "ctl/CDateTimeCtrl.h"
#include "ctl/CSpinButtonCtrl.h"
#include "ctl/CProgressCtrl.h"
#include "ctl/CTabCtrl.h"
#include "dlg/AfxMessageBox.h"
#include "dlg/AfxInteraction.h"
#include "dlg/AfxMessageHold.h"
#include "dlg/CDialog.h"
#include "dlg/CDataExchange.h"
