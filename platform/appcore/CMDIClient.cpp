#include "CMDIClient.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>
#include <QRect>
#include <QWidget>

IMPLEMENT_DYNAMIC(CMDIClient, CWnd)

namespace {

const char kSection[] = "Settings";
const char kEntry[] = "MainFrame";

} // namespace

CMDIClient::CMDIClient() = default;

CMDIClient::~CMDIClient()
{
    Release();
}

void CMDIClient::Release()
{
    QObject::disconnect(m_activation);
    if (m_hWnd)
        UnsubclassWindow();
    m_pFrame = nullptr;
}

BOOL CMDIClient::SubclassMDIClient(CMDIFrameWnd* frame, CWnd* viewManager, UINT notifyMessage)
{
    if (!frame || !frame->m_hWndMDIClient)
        return FALSE;
    Release();
    if (!SubclassWindow(frame->m_hWndMDIClient))
        return FALSE;
    m_pFrame = frame;
    m_hViewManager = viewManager ? viewManager->GetSafeHwnd() : nullptr;
    m_nNotifyMessage = notifyMessage;
    if (QMdiArea* area = frame->GetMdiArea())
        m_activation = QObject::connect(area, &QMdiArea::subWindowActivated, area,
                                        [this](QMdiSubWindow*) { NotifyViewManager(); });
    return TRUE;
}

// The manager is kept by handle: a manager that has closed meanwhile is not told.
void CMDIClient::NotifyViewManager()
{
    if (!m_hViewManager || !m_nNotifyMessage || !::IsWindow(m_hViewManager) || !m_pFrame)
        return;
    CMDIChildWnd* active = m_pFrame->MDIGetActive();
    ::SendMessage(m_hViewManager, m_nNotifyMessage, WPARAM(active ? active->GetSafeHwnd() : nullptr), 0);
}

BOOL CMDIClient::RestoreMainFrameState(int nCmdShow)
{
    if (!m_pFrame || !m_pFrame->GetSafeHwnd())
        return FALSE;
    CWinApp* app = AfxGetApp();
    const QStringList saved =
        app ? app->GetProfileString(kSection, kEntry, "").ToQString().split(',') : QStringList();
    QList<int> numbers;
    for (const QString& part : saved) {
        bool ok = false;
        numbers << part.trimmed().toInt(&ok);
        if (!ok)
            break;
    }
    if (numbers.size() != 5 || numbers[2] < 100 || numbers[3] < 100) {
        m_pFrame->ShowWindow(nCmdShow);
        return TRUE;
    }
    m_pFrame->MoveWindow(numbers[0], numbers[1], numbers[2], numbers[3]);
    m_pFrame->ShowWindow(numbers[4] ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    return TRUE;
}

BOOL CMDIClient::SaveMainFrameState()
{
    CWinApp* app = AfxGetApp();
    if (!app || !m_pFrame || !m_pFrame->GetSafeHwnd())
        return FALSE;
    // The place is what MoveWindow takes: the frame's corner and the
    // window's own size. A maximised frame keeps the place it had before,
    // so restoring it later brings it back there.
    const QWidget* window = m_pFrame->GetQWidget();
    const bool maximised = window->isMaximized();
    QRect place(window->frameGeometry().topLeft(), window->size());
    if (maximised && window->normalGeometry().isValid())
        place = window->normalGeometry();
    CString text;
    text.Format("%d,%d,%d,%d,%d", place.x(), place.y(), place.width(), place.height(), maximised ? 1 : 0);
    return app->WriteProfileString(kSection, kEntry, text);
}
