// How a chooser answers its caller: into a control of the parent window (its
// change notification runs), or as a private message to the parent with the
// answer in both wParam and lParam. The parent is kept by handle while the
// chooser is open, so an answer to a window that closed meanwhile is dropped.
#pragma once

#include "afx.h"

namespace appcore {

class ChoiceTarget {
public:
    // ctrlId > 0: that control; ctrlId -1 or 0 with a message (not 0, not -1): the message.
    ChoiceTarget(CWnd* parent, int ctrlId, UINT msg);

    bool HasMessage() const;
    // The parent window while it lives (the picker's owner), else null.
    CWnd* Parent() const;
    // Writes the text into the control, or sends the message: as a text
    // (a const char* valid while the handler runs) when asText, else as the
    // text's whole number.
    void Deliver(const CString& answer, bool asText) const;

private:
    HWND m_parent;
    int m_ctrlId;
    UINT m_msg;
};

// Keys joined by "," (the answer of several choices).
CString JoinKeys(const std::vector<CString>& keys);

} // namespace appcore
