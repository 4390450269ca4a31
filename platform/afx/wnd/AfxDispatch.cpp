#include "wnd/AfxDispatch.h"
#include "wnd/CWnd.h"
#include "dlg/AfxMessageBox.h"
#include <QApplication>
#include <QDateTime>
#include <QThread>
#include <cxxabi.h>
#include <cstdlib>
#include <typeinfo>
#include <vector>

namespace {

struct Frame {
    MSG msg;
    bool qtEvent;
    bool qtDefault;
};

thread_local std::vector<Frame> t_frames;

AfxExceptionReporter& reporter()
{
    static AfxExceptionReporter r;
    return r;
}

// Every dispatch that the event loop starts catches; a nested SendMessage
// lets the exception travel to the handler that sent it.
LRESULT callGuarded(CWnd* pWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    try {
        return pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (...) {
        AfxReportException(std::current_exception(), pWnd);
        return 0;
    }
}

struct FramePush {
    FramePush(HWND h, UINT m, WPARAM w, LPARAM l, bool qt)
    {
        Frame f;
        f.msg = MSG { h, m, w, l, (DWORD)QDateTime::currentMSecsSinceEpoch(), { 0, 0 } };
        f.qtEvent = qt;
        f.qtDefault = false;
        t_frames.push_back(f);
    }
    ~FramePush() { t_frames.pop_back(); }
};

} // namespace

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (!pWnd)
        return 0;
    if (qApp && QThread::currentThread() != qApp->thread()) {
        // As on Windows, a message sent from another thread runs on the
        // window's thread while the sender waits.
        LRESULT result = 0;
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                if (CWnd::FromHandle(hWnd) == pWnd || !hWnd)
                    AfxGuardedCall(pWnd, [&] { result = AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam); });
            },
            Qt::BlockingQueuedConnection);
        return result;
    }
    FramePush push(hWnd, nMsg, wParam, lParam, false);
    return pWnd->WindowProc(nMsg, wParam, lParam);
}

bool AfxDispatchQtEvent(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (!pWnd)
        return true;
    FramePush push(hWnd, nMsg, wParam, lParam, true);
    LRESULT r = callGuarded(pWnd, nMsg, wParam, lParam);
    if (pResult)
        *pResult = r;
    return t_frames.back().qtDefault;
}

void AfxRequestQtDefault(UINT nMsg)
{
    if (!t_frames.empty() && t_frames.back().qtEvent && t_frames.back().msg.message == nMsg)
        t_frames.back().qtDefault = true;
}

const MSG* AfxCurrentMessage() { return t_frames.empty() ? nullptr : &t_frames.back().msg; }

void AfxGuardedCall(CWnd* pWnd, const std::function<void()>& fn)
{
    FramePush push(pWnd ? pWnd->m_hWnd : nullptr, WM_NULL, 0, 0, false);
    try {
        fn();
    } catch (...) {
        AfxReportException(std::current_exception(), pWnd);
    }
}

void AfxSetExceptionReporter(AfxExceptionReporter r) { reporter() = std::move(r); }

CString AfxClassNameOf(const CWnd* pWnd)
{
    if (!pWnd)
        return CString("?");
    int status = 0;
    char* demangled = abi::__cxa_demangle(typeid(*pWnd).name(), nullptr, nullptr, &status);
    QString name = QString::fromUtf8(status == 0 && demangled ? demangled : typeid(*pWnd).name());
    std::free(demangled);
    int colon = name.lastIndexOf(QLatin1String("::"));
    if (colon >= 0)
        name = name.mid(colon + 2);
    return CString(name.toUtf8().constData());
}

CString AfxUnhandledExceptionText(const char* where, std::exception_ptr error)
{
    CString text;
    text.Format("*** Unhandled Exception from %s ***", where ? where : "?");
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        if (e.what() && *e.what())
            text += CString("\n") + e.what();
    } catch (...) {
    }
    return text;
}

namespace {

void ReportException(std::exception_ptr error, const CString& name)
{
    if (reporter() && reporter()(error, name))
        return;
    // MFC's exceptions travel as pointers: the user was already told of a
    // CUserException; another one with a message shows it.
    try {
        std::rethrow_exception(error);
    } catch (CUserException* e) {
        e->Delete();
        return;
    } catch (CException* e) {
        char buffer[512] = "";
        bool shown = e->GetErrorMessage(buffer, sizeof buffer) && buffer[0];
        if (shown)
            AfxMessageBox(buffer, MB_OK | MB_ICONEXCLAMATION);
        e->Delete();
        if (shown)
            return;
    } catch (...) {
    }
    AfxMessageBox(AfxUnhandledExceptionText(name, error), MB_OK | MB_ICONSTOP);
}

} // namespace

void AfxReportException(std::exception_ptr error, const CWnd* pWnd)
{
    ReportException(error, AfxClassNameOf(pWnd));
}

void AfxReportCurrentException(const char* where)
{
    ReportException(std::current_exception(), where ? where : "?");
}
