// The state behind a device context handle (HDC), and the painter a drawing
// call uses. Internal to gdi/.
#pragma once
#include "gdi/AfxGdi.h"
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

// What SaveDC keeps: everything but the saved states themselves.
struct DcAttrs {
    QPainter* painter = nullptr;     // a painting context's painter
    QPointer<QWidget> widget;        // the window of a window context
    HBITMAP bitmap = nullptr;        // a memory context's bitmap
    bool memory = false;
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    bool textColorSet = false;
    bool bkColorSet = false;
    QPoint pos;
    QPoint origin;

    DcAttrs();
    QFont qfont() const;
    // The painter of a drawing call (made on the bitmap for a memory context),
    // with this state's pen, brush, font and origin; null when the context
    // only measures.
    QPainter* begin(std::optional<QPainter>& local) const;
    void end(QPainter* p) const;
    // The image a memory context draws into.
    QImage* canvas() const;
};

struct DcState : DcAttrs {
    std::vector<DcAttrs> saved;    // SaveDC
    std::unique_ptr<CDC> object;   // CDC::FromHandle's object
};

DcState* AfxDcState(HDC hDC);
HDC AfxDcHandle(DcState* state);   // registers a new state
void AfxDcRelease(HDC hDC);        // forgets and deletes a state
