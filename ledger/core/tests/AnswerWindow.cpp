#include "AnswerWindow.h"

CAnswerWindow::CAnswerWindow(bool textAnswers)
    : m_textAnswers(textAnswers)
{
    CreateEx(0, nullptr, "Форма", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, 0);
}

CAnswerWindow::~CAnswerWindow()
{
    DestroyWindow();
}

LRESULT CAnswerWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= 0x464 && message <= 0x47F) {
        Answer a;
        a.msg = message;
        a.value = (long long)lParam;
        if (m_textAnswers)
            a.text = QString::fromUtf8(reinterpret_cast<const char*>(lParam));
        answers.push_back(a);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
