// A plain window that takes the pickers' answers by message (0x464-0x47F) and
// records them: the integer in LPARAM, or the text it points to, read while
// the handler runs, as a form must.
#pragma once
#include "afx.h"

#include <QString>
#include <vector>

class CAnswerWindow : public CWnd {
public:
    struct Answer {
        UINT msg = 0;
        long long value = 0;
        QString text;
    };
    explicit CAnswerWindow(bool textAnswers = false);
    ~CAnswerWindow() override;

    std::vector<Answer> answers;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool m_textAnswers;
};
