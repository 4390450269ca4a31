#include "UiFileHelpers.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

namespace {

QRect Screen()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            return screen->availableGeometry();
    }
    return QRect(0, 0, 1024, 768);
}

}  // namespace

CString GetHtmlStyle(unsigned size, LPCTSTR font, int)
{
    CString head;
    head.Format("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
                "<style type=\"text/css\">body, p, div, td, th { font-family: %s; font-size: %upt; }"
                " table { border-collapse: collapse; }</style>",
                font && *font ? font : "Arial", size ? size : 10u);
    return head;
}

int MaxX()
{
    return Screen().width();
}

// The screen less the frame's menu, toolbars and status bar.
int MaxY()
{
    return std::max(300, Screen().height() - 160);
}

CString GetFileExt(LPCTSTR name)
{
    const QString file = GetFileFromPath(name).ToQString();
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? CString() : CString(file.mid(dot + 1));
}

CString GetFileFromPath(LPCTSTR path)
{
    const QString text = CString(path).ToQString();
    const qsizetype slash = std::max(text.lastIndexOf(QLatin1Char('\\')), text.lastIndexOf(QLatin1Char('/')));
    return CString(text.mid(slash + 1));
}

BOOL CreateFolder(LPCTSTR path)
{
    QString folder = CString(path).ToQString();
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return !folder.isEmpty() && QDir().mkpath(folder) ? TRUE : FALSE;
}
