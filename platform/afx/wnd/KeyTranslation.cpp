#include "wnd/AfxKeys.h"
#include "wnd/MessagePump.h"
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMutex>
#include <QSet>

namespace {

struct KeyPair {
    int qt;
    UINT vk;
};

const KeyPair kKeys[] = {
    { Qt::Key_Backspace, VK_BACK }, { Qt::Key_Tab, VK_TAB }, { Qt::Key_Backtab, VK_TAB },
    { Qt::Key_Clear, VK_CLEAR }, { Qt::Key_Return, VK_RETURN }, { Qt::Key_Enter, VK_RETURN },
    { Qt::Key_Shift, VK_SHIFT }, { Qt::Key_Control, VK_CONTROL }, { Qt::Key_Alt, VK_MENU },
    { Qt::Key_Pause, VK_PAUSE }, { Qt::Key_CapsLock, VK_CAPITAL }, { Qt::Key_Escape, VK_ESCAPE },
    { Qt::Key_Space, VK_SPACE }, { Qt::Key_PageUp, VK_PRIOR }, { Qt::Key_PageDown, VK_NEXT },
    { Qt::Key_End, VK_END }, { Qt::Key_Home, VK_HOME }, { Qt::Key_Left, VK_LEFT }, { Qt::Key_Up, VK_UP },
    { Qt::Key_Right, VK_RIGHT }, { Qt::Key_Down, VK_DOWN }, { Qt::Key_Insert, VK_INSERT },
    { Qt::Key_Delete, VK_DELETE }, { Qt::Key_NumLock, VK_NUMLOCK }, { Qt::Key_Asterisk, VK_MULTIPLY },
    { Qt::Key_Plus, VK_ADD }, { Qt::Key_Minus, VK_SUBTRACT }, { Qt::Key_Slash, VK_DIVIDE },
};

QSet<UINT>& keysDown()
{
    static QSet<UINT> s;
    return s;
}

QMutex& keyMutex()
{
    static QMutex m;
    return m;
}

} // namespace

UINT AfxVirtualKeyOf(const QKeyEvent* e)
{
    int key = e->key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (e->modifiers() & Qt::KeypadModifier) ? VK_NUMPAD0 + (key - Qt::Key_0) : '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + (key - Qt::Key_F1);
    if (key == Qt::Key_Period && (e->modifiers() & Qt::KeypadModifier))
        return VK_DECIMAL;
    for (const KeyPair& p : kKeys) {
        if (p.qt == key)
            return p.vk;
    }
    return 0;
}

void AfxNoteKeyState(UINT vk, bool down)
{
    QMutexLocker lock(&keyMutex());
    if (down)
        keysDown().insert(vk);
    else
        keysDown().remove(vk);
}

bool AfxIsKeyDown(UINT vk)
{
    Qt::KeyboardModifiers mods = qGuiApp ? QGuiApplication::queryKeyboardModifiers() : Qt::NoModifier;
    if (vk == VK_SHIFT)
        return mods & Qt::ShiftModifier;
    if (vk == VK_CONTROL)
        return mods & Qt::ControlModifier;
    if (vk == VK_MENU)
        return mods & Qt::AltModifier;
    QMutexLocker lock(&keyMutex());
    return keysDown().contains(vk);
}

short GetKeyState(int nVirtKey) { return AfxIsKeyDown((UINT)nVirtKey) ? (short)0x8000 : 0; }
short GetAsyncKeyState(int vKey) { return GetKeyState(vKey); }
