// CHelpers: pages in the report window, named and external reports, files.
#include "CHelpers.h"

#include "CInterpriter.h"
#include "CReportView.h"
#include "FormScript.h"
#include "ScriptHooks.h"
#include "UserSession.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

namespace {

QString Text(const char* text)
{
    return QString::fromUtf8(text ? text : "");
}

int ShowOrPrint(const QString& html, const QString& title, appcore::ReportLook look, bool print)
{
    look.landscape = look.landscape || appcore::PageAsksLandscape(html);
    if (print || g_bPrintDirrect) {
        QTextDocument document;
        QFont font = document.defaultFont();
        if (look.fontSize >= 6 && look.fontSize <= 24)
            font.setPointSize(look.fontSize);
        document.setDefaultFont(font);
        document.setHtml(html);
        return appcore::PrintDocument(document, title, look.landscape, true) ? 1 : 0;
    }
    return appcore::OpenReportWindow(html, title, look) ? 1 : 0;
}

} // namespace

int CHelpers::DisplayMessage(const char* html, const char* title, int landscape, int fontSize,
                             const char* background, int, int print)
{
    appcore::ReportLook look;
    look.landscape = landscape == 1;
    look.fontSize = fontSize;
    look.background = Text(background);
    return ShowOrPrint(Text(html), Text(title), look, print == 1);
}

int CHelpers::ShowReport(const char* file, const char* title, int landscape, int mode, int)
{
    QFile page(AfxNativePath(Text(file)));
    if (!page.open(QIODevice::ReadOnly)) {
        AfxMessageBox(CString(QStringLiteral("Не удалось открыть отчет ") + Text(file)), MB_OK | MB_ICONSTOP);
        return 0;
    }
    appcore::ReportLook look;
    look.landscape = landscape == 1;
    return ShowOrPrint(QString::fromUtf8(page.readAll()), Text(title), look, mode == -2);
}

int CHelpers::EXEC_ShowReport(const char* name, const char* call)
{
    CString form(Text(name));
    return appcore::ShowFormReport(appcore::FormContext(form, 0), call, form);
}

int CHelpers::EXEC_ShowExternalReport(const char* path, const char* call, const char* title)
{
    QString file = AfxNativePath(Text(path));
    QFile script(file);
    CInterpriter* interpriter = CInterpriter::GetCurrent();
    if (!script.open(QIODevice::ReadOnly)) {
        AfxMessageBox(CString(QStringLiteral("Не найден файл отчета ") + Text(path)), MB_OK | MB_ICONSTOP);
        return 0;
    }
    if (!interpriter) {
        appcore::ScriptReportError("Отчет не выполнен, интерпретатор не запущен");
        return 0;
    }
    const QString name = title && *title ? Text(title) : QFileInfo(file).completeBaseName();
    CString context = CString("Ext.") + CString(file);
    // Read again every time: the file may have been changed since.
    if (!interpriter->LoadScript(context, CString(file), script.readAll().toStdString()))
        return 0;
    return appcore::ShowFormReport(context, call, CString(name));
}

int CHelpers::OpenFile(const char* path, int, const char*)
{
    return ShellExecute(nullptr, "open", path, nullptr, nullptr, SW_SHOW) > 32 ? 1 : 0;
}
