// Running one message through a window, with the bookkeeping MFC keeps:
// the message in flight (GetCurrentMessage, Default), whether the widget
// should still do its own handling of the Qt event behind the message, and
// the outermost catch that keeps an escaped exception from ending the program.
#pragma once
#include "wnd/AfxWinTypes.h"
#include <exception>
#include <functional>

class CWnd;

// Sends a message to a window's WindowProc (SendMessage): an exception
// travels back to the sender.
LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// Dispatches a message that stands for a Qt event. Every dispatch that the
// event loop starts (this one, AfxGuardedCall) catches an escaped exception,
// reports it (AfxSetExceptionReporter) and goes on. Answers whether the
// widget should still handle the event itself (the handler called Default,
// or there was no handler).
bool AfxDispatchQtEvent(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult = nullptr);

// Called by DefWindowProc: the widget's own handling is wanted for nMsg.
void AfxRequestQtDefault(UINT nMsg);

const MSG* AfxCurrentMessage();

// Runs fn as an outermost dispatch would: an exception is reported against pWnd.
void AfxGuardedCall(CWnd* pWnd, const std::function<void()>& fn);

// Reports an exception that escaped a handler. The default shows
// "*** Unhandled Exception from <class> ***" with the exception's own message
// under it; a reporter may be installed that shows its own errors and hands
// the rest back (returns false).
typedef std::function<bool(std::exception_ptr error, const char* className)> AfxExceptionReporter;
void AfxSetExceptionReporter(AfxExceptionReporter reporter);
void AfxReportException(std::exception_ptr error, const CWnd* pWnd);
// The same for the exception being handled, inside a catch block of a form:
// `where` names the form and handler ("COperByHandView::SetSql").
void AfxReportCurrentException(const char* where);
// "*** Unhandled Exception from <where> ***", then the exception's own message
// on the next line when it has one: the cause is never dropped.
CString AfxUnhandledExceptionText(const char* where, std::exception_ptr error);
// The class name of a window object, without namespaces.
CString AfxClassNameOf(const CWnd* pWnd);
