// The widget of a toolbar (window class "ToolbarWindow32"): the buttons as
// Windows keeps them (command id, style, state, picture index), shown as the
// actions of a QToolBar with the pictures of the toolbar's image list. The
// TB_ messages work on it; a button's command goes to the frame as
// WM_COMMAND; a tool tip is asked of the frame (WM_NOTIFY TTN_GETDISPINFOA,
// without TTF_IDISHWND, idFrom = the command id) and else taken from the
// command's string ("prompt\ntip").
#pragma once
#include "bars/AfxBarDefs.h"
#include "gdi/CImageList.h"
#include <QToolBar>
#include <vector>

class AfxToolBarWidget : public QToolBar {
public:
    explicit AfxToolBarWidget(QWidget* parent);
    ~AfxToolBarWidget() override;

    struct Button {
        TBBUTTON tb;
        QAction* action = nullptr;
    };
    std::vector<Button> buttons;
    HIMAGELIST images = nullptr;
    bool ownsImages = false;
    QSize buttonSize { 23, 22 };
    QSize bitmapSize { 16, 15 };
    HWND hwnd = nullptr;

    // Makes the actions again from the buttons.
    void rebuild();
    // Takes the pictures again when the image list changed.
    void refreshPictures();
    void setState(int index, BYTE state);
    int indexOf(UINT id) const;
    // The tool tip of a command as the frame or the string table gives it.
    CString toolTipFor(UINT id) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_imagesVersion = -1;
    void command(UINT id);
};

// Registers the "ToolbarWindow32" class (done when the library loads).
void AfxRegisterToolbarClass();
AfxToolBarWidget* AfxToolBarOf(HWND hWnd);
