// GetSystemMetrics over the primary screen and the style.
#include "bars/AfxBarDefs.h"
#include <QApplication>
#include <QScreen>
#include <QStyle>

int GetSystemMetrics(int nIndex)
{
    QScreen* screen = qApp ? QApplication::primaryScreen() : nullptr;
    QRect all = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    QRect work = screen ? screen->availableGeometry() : all;
    QStyle* style = qApp ? QApplication::style() : nullptr;
    int smallIcon = style ? style->pixelMetric(QStyle::PM_SmallIconSize) : 16;
    switch (nIndex) {
    case SM_CXSCREEN: return all.width();
    case SM_CYSCREEN: return all.height();
    case SM_CXFULLSCREEN:
    case SM_CXMAXIMIZED: return work.width();
    case SM_CYFULLSCREEN:
    case SM_CYMAXIMIZED: return work.height();
    case SM_CXICON:
    case SM_CYICON: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return smallIcon;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK: return 13;
    case SM_CYMENU: return 20;
    default: return 0;
    }
}
