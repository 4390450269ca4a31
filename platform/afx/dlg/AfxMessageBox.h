// Message boxes (AfxMessageBox, CWnd::MessageBox, MessageBox) with Russian
// button texts, through the interaction point. A box without a caption of its
// own is titled with the application's name (the program's workplace). One
// raised on another thread is shown on the user-interface thread, which the
// caller waits for.
#pragma once
#include "wnd/AfxWinTypes.h"

class CWnd;

#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONMASK 0x000000F0L
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_DEFBUTTON1 0x00000000L
#define MB_DEFBUTTON2 0x00000100L
#define MB_DEFBUTTON3 0x00000200L
#define MB_DEFMASK 0x00000F00L
#define MB_APPLMODAL 0x00000000L
#define MB_SYSTEMMODAL 0x00001000L
#define MB_TASKMODAL 0x00002000L
#define MB_SETFOREGROUND 0x00010000L
#define MB_TOPMOST 0x00040000L

int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
int AfxMessageBoxFor(CWnd* pOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType);
int AfxMessageBoxFor(CWnd* pOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType, LPCTSTR lpszDetails);
// A box whose details (shown behind its button "Подробнее...") follow the text.
int AfxMessageBoxWithDetails(LPCTSTR lpszText, LPCTSTR lpszDetails, UINT nType);
int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType);
