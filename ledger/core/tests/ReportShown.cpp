#include "ReportShown.h"

#include "CReportView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>

namespace ledgertest {

std::vector<QStringList> PageRows(const CString& html)
{
    std::vector<QStringList> rows;
    static const QRegularExpression row(QStringLiteral("<tr[^>]*>(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]+>"));
    for (auto r = row.globalMatch(html.ToQString()); r.hasNext();) {
        QStringList cells;
        for (auto c = cell.globalMatch(r.next().captured(1)); c.hasNext();)
            cells << c.next().captured(1).remove(tag).remove(QStringLiteral("&nbsp;")).trimmed();
        rows.push_back(cells);
    }
    return rows;
}

std::pair<QStringList, QStringList> PageRowPair(const CString& html, const QString& first)
{
    const std::vector<QStringList> rows = PageRows(html);
    for (size_t i = 0; i < rows.size(); ++i)
        if (!rows[i].isEmpty() && rows[i][0] == first)
            return {rows[i], i + 1 < rows.size() ? rows[i + 1] : QStringList()};
    return {};
}

QString ShownReportText(afxtest::MdiProgram& program)
{
    auto* report = program.Active<CReportView>();
    if (!report)
        return QString();
    const QString text = report->GetPage()->Browser()->toPlainText();
    report->GetParentFrame()->SendMessage(WM_CLOSE);
    program.Settle();
    return text;
}

SavedReport SaveShownReport(afxtest::MdiProgram& program, const QString& picture)
{
    SavedReport saved;
    auto* report = program.Active<CReportView>();
    if (!report)
        return saved;
    saved.text = report->GetPage()->Browser()->toPlainText();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("страница.pdf"));
    afxtest::InteractionScript script;
    script.chooser(QStringLiteral("savefile"), [&](afxtest::DialogStep& d) {
        d.request().answer = CString(path);
        d.request().result = 1;
    });
    if (QAction* pdf = report->GetPage()->findChild<QAction*>(QStringLiteral("pdf")))
        pdf->trigger();
    script.verify();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QString body = QString::fromLatin1(file.readAll());
        saved.saved = body.startsWith(QLatin1String("%PDF-"));
        saved.pages = int(body.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(body);
        saved.across = box.hasMatch() && box.captured(1).toDouble() > box.captured(2).toDouble();
    }
    program.Settle();
    const QImage image = afxtest::grab(report->GetParentFrame());
    saved.colours = afxtest::distinctColours(image);
    if (!picture.isEmpty())
        image.save(QCoreApplication::applicationDirPath() + "/" + picture);
    return saved;
}

} // namespace ledgertest
