// The splash window: the program's picture with a status line telling what
// start-up is doing. A borderless tool window of the picture's size, centred,
// owned by the window that is on screen at the time (the login dialog or
// the main frame).
#pragma once
#include "afx.h"

#include <QPixmap>

class CWelcomeScreenWnd : public CWnd {
public:
    CWelcomeScreenWnd() = default;

    // Makes and shows the window with picture `pictureId`; FALSE when the
    // picture cannot be loaded or the window cannot be made.
    BOOL Create(CWnd* pOwner, UINT pictureId);
    void SetStatusText(const CString& text);
    CString GetStatusText() const { return m_strText; }
    // The strip the status text is drawn in: 15 pixels in from both sides,
    // from 25 to 5 pixels above the bottom.
    CRect StatusStrip() const;
    // Draws the picture and the status text (the picture is loaded anew).
    void Paint(QPainter& painter);

protected:
    QWidget* CreateWidget(CREATESTRUCT& cs, QWidget* pParentWidget) override;

private:
    QPixmap LoadPicture() const;

    UINT m_nPictureId = 0;
    CString m_strText;
};
