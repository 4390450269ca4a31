#include "wnd/CCmdTarget.h"
#include "wnd/CCmdUI.h"
#include <QApplication>
#include <QCursor>

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::~CCmdTarget()
{
    while (m_nWaitCursor > 0)
        EndWaitCursor();
}

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, nullptr } };
    static const AFX_MSGMAP map = { nullptr, &entries[0] };
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_EVENTSINKMAP* CCmdTarget::GetThisEventSinkMap()
{
    static const AFX_EVENTSINKMAP_ENTRY entries[] = { { 0, 0, nullptr } };
    static const AFX_EVENTSINKMAP map = { nullptr, &entries[0] };
    return &map;
}

const AFX_EVENTSINKMAP* CCmdTarget::GetEventSinkMap() const { return GetThisEventSinkMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
            if (e->nMessage == nMessage && e->nCode == nCode && nID >= e->nID && nID <= e->nLastID)
                return e;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // As MFC: a notify carries WM_NOTIFY in the high word of the code.
    UINT nMsg = 0;
    UINT code = (UINT)nCode;
    if (code != CN_UPDATE_COMMAND_UI) {
        nMsg = HIWORD(code);
        code = LOWORD(code);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;
    UINT entryCode = code;
    if (nMsg == WM_NOTIFY || nMsg == WM_REFLECT_BASE + WM_NOTIFY)
        entryCode = (UINT)(int)(short)code;  // notify codes are negative numbers
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
            if (e->nMessage != nMsg || e->nCode != entryCode || nID < e->nID || nID > e->nLastID)
                continue;
            if (pHandlerInfo) {
                pHandlerInfo->pTarget = this;
                pHandlerInfo->pEntry = e;
                return TRUE;
            }
            AFX_MSGCALL call;
            call.message = nMsg;
            call.nID = nID;
            call.pExtra = pExtra;
            if (nMsg == WM_NOTIFY || nMsg == WM_REFLECT_BASE + WM_NOTIFY) {
                AFX_NOTIFY* notify = static_cast<AFX_NOTIFY*>(pExtra);
                call.lParam = reinterpret_cast<LPARAM>(notify->pNMHDR);
                BOOL handled = e->pfn(this, call);
                *notify->pResult = call.lResult;
                return handled;
            }
            if (code == CN_UPDATE_COMMAND_UI) {
                CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
                pCmdUI->m_bContinueRouting = FALSE;
                e->pfn(this, call);
                return !pCmdUI->m_bContinueRouting;
            }
            return e->pfn(this, call);
        }
    }
    return FALSE;
}

BOOL CCmdTarget::OnEvent(UINT idCtrl, long dispid, const AfxEventArgs& args)
{
    for (const AFX_EVENTSINKMAP* map = GetEventSinkMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_EVENTSINKMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
            if (e->nCtrlID == idCtrl && e->dispid == dispid) {
                e->pfn(this, args);
                return TRUE;
            }
        }
    }
    return FALSE;
}

void CCmdTarget::BeginWaitCursor()
{
    ++m_nWaitCursor;
    AfxBeginWaitCursor();
}

void CCmdTarget::EndWaitCursor()
{
    if (m_nWaitCursor <= 0)
        return;
    --m_nWaitCursor;
    AfxEndWaitCursor();
}

void CCmdTarget::RestoreWaitCursor()
{
    if (m_nWaitCursor > 0 && !QApplication::overrideCursor())
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void AfxBeginWaitCursor()
{
    if (qApp)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void AfxEndWaitCursor()
{
    if (qApp && QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

CWaitCursor::CWaitCursor() { AfxBeginWaitCursor(); }
CWaitCursor::~CWaitCursor() { AfxEndWaitCursor(); }
void CWaitCursor::Restore()
{
    if (qApp && !QApplication::overrideCursor())
        QApplication::setOverrideCursor(Qt::WaitCursor);
}
