// Every dialog template of the deliverables, built with the font its form
// shows: the caption of each static text, check box and radio button fits
// the rectangle the layout gives it (words wrapped where the control wraps).
// The scripts are read from the source tree, so a form added later is checked
// without a line here.
#include "afx.h"
#include "res/RcParser.h"
#include "res/RcScript.h"
#include <QAbstractButton>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <gtest/gtest.h>

namespace {

QString readText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The resource scripts of the deliverables: every *.rc outside the test
// folders and the build.
QStringList deliverableScripts(const QString& root)
{
    QStringList scripts;
    QDirIterator it(root, { QStringLiteral("*.rc") }, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString rel = QDir(root).relativeFilePath(path);
        if (rel.startsWith(QLatin1String("build")) || rel.contains(QLatin1String("/tests/"))
            || rel.startsWith(QLatin1Char('.')))
            continue;
        scripts << path;
    }
    scripts.sort();
    return scripts;
}

RcScript parseScript(const QString& path, QStringList* errors)
{
    RcScript script;
    const QString dir = QFileInfo(path).path();
    RcTokenizer tokenizer(
        [dir](const QString& name, QString* text) {
            QString file = dir + QLatin1Char('/') + QString(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
            if (!QFileInfo::exists(file))
                return false;
            *text = readText(file);
            return true;
        },
        &script.defines);
    std::vector<RcToken> tokens = tokenizer.run(path, readText(path));
    RcParser parser(script);
    parser.parse(tokens);
    *errors << tokenizer.errors() << parser.errors();
    return script;
}

QString shownText(const QString& caption, bool prefix)
{
    QString s = caption;
    if (prefix) {
        s.replace(QLatin1String("&&"), QStringLiteral("\x01"));
        s.remove(QLatin1Char('&'));
        s.replace(QChar(1), QLatin1Char('&'));
    }
    return s;
}

bool isCaptionButton(const AfxDlgItemTemplate& item)
{
    const DWORD kind = item.style & BS_TYPEMASK;
    return item.className.CompareNoCase("Button") == 0
        && (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON
            || kind == BS_3STATE || kind == BS_AUTO3STATE);
}

// What does not fit in one control, or an empty text.
QString misfit(QWidget* w, const AfxDlgItemTemplate& item)
{
    if (!(item.style & WS_VISIBLE))
        return {};  // a control the form never shows
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (!label->pixmap().isNull() || label->text().isEmpty())
            return {};
        const QRect room = label->contentsRect();
        const QSize need = AfxStaticTextExtent(label->font(), label->text(), room.width(), label->wordWrap());
        if (need.width() <= room.width() && need.height() <= room.height())
            return {};
        return QStringLiteral("needs %1x%2, has %3x%4").arg(need.width()).arg(need.height()).arg(room.width()).arg(room.height());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        // The box or circle, its spacing, and the caption on one line.
        QStyleOptionButton option;
        option.initFrom(button);
        const bool radio = (item.style & BS_TYPEMASK) == BS_RADIOBUTTON || (item.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        const int indicator = button->style()->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, &option, button);
        const int spacing = button->style()->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, &option, button);
        const int need = indicator + spacing + button->fontMetrics().horizontalAdvance(button->text());
        if (need <= button->width())
            return {};
        return QStringLiteral("needs %1 across, has %2").arg(need).arg(button->width());
    }
    return {};
}

TEST(TemplateFitTest, EveryCaptionFitsItsRectangleInEveryLandedForm)
{
    const QString root = QString::fromLocal8Bit(qgetenv("VORNAL_ROOT"));
    ASSERT_FALSE(root.isEmpty()) << "VORNAL_ROOT names the source tree";
    const QStringList scripts = deliverableScripts(root);
    ASSERT_FALSE(scripts.isEmpty());

    QStringList errors, misfits;
    int checked = 0;
    for (const QString& path : scripts) {
        const RcScript script = parseScript(path, &errors);
        for (const AfxDlgTemplate& t : script.dialogs) {
            // Only the captions are built: other controls need their libraries.
            AfxDlgTemplate captions = t;
            captions.items.clear();
            for (const AfxDlgItemTemplate& item : t.items)
                if (item.className.CompareNoCase("Static") == 0 || isCaptionButton(item))
                    captions.items.push_back(item);
            auto* widget = new QWidget;
            CWnd host;
            ASSERT_TRUE(host.AttachWidget(widget, "TemplateFit", WS_CHILD, 0));
            AfxCreateDialogControls(&host, captions, nullptr);
            const QList<QWidget*> made = widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (qsizetype i = 0; i < made.size() && i < qsizetype(captions.items.size()); ++i) {
                const AfxDlgItemTemplate& item = captions.items[size_t(i)];
                const QString fault = misfit(made[i], item);
                ++checked;
                if (!fault.isEmpty())
                    misfits << QStringLiteral("%1: dialog %2, control %3 \"%4\" (%5): %6")
                                   .arg(QDir(root).relativeFilePath(path), t.name)
                                   .arg(item.id)
                                   .arg(shownText(item.text.ToQString(), true), made[i]->font().family(), fault);
            }
            host.DestroyWindow();
        }
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_GT(checked, 0);
    EXPECT_TRUE(misfits.isEmpty()) << misfits.join(QLatin1Char('\n')).toStdString();
}

} // namespace
