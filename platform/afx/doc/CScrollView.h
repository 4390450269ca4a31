// CScrollView: a view with a total size. The frame's client host scrolls a
// view larger than the frame; ResizeParentToFit sizes the frame to the view.
#pragma once
#include "doc/CView.h"

#define MM_TEXT 1

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
public:
    CScrollView();

    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    void SetScaleToFitSize(SIZE sizeTotal);
    CSize GetTotalSize() const { return m_totalLog; }
    CPoint GetScrollPosition() const;
    void ScrollToPosition(POINT pt);
    // Sizes the frame so that its client shows the whole view; with
    // bShrinkOnly the frame only ever gets smaller.
    void ResizeParentToFit(BOOL bShrinkOnly = TRUE);

    static const SIZE sizeDefault;

protected:
    int m_nMapMode = 0;
    CSize m_totalLog;
};
