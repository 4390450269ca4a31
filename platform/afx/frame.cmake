# The frames half of the MFC subset (application, frames and MDI, documents
# and views, menus, bars, drawing, property sheets, threads).
set(AFX_FRAME_SOURCES
  app/AfxCommandLine.cpp
  app/AfxWinMain.cpp
  app/CWinApp.cpp
  app/CWinThread.cpp
  frm/AfxFrameInit.cpp
  frm/AfxFrameWidgets.cpp
  frm/AfxWndClass.cpp
  frm/CFrameWnd.cpp
  frm/CFrameWndBars.cpp
  frm/CFrameWndRouting.cpp
  frm/CMDIChildWnd.cpp
  frm/CMDIFrameWnd.cpp
  frm/CWndFrameCalls.cpp
  frm/MdiClientClass.cpp
  bars/CControlBar.cpp
  doc/CDocTemplate.cpp
  doc/CDocument.cpp
  doc/CFormView.cpp
  doc/CScrollView.cpp
  doc/CView.cpp
)
