// Qt's own windows speak Russian once the program's start has loaded Qt's
// captions: the file dialog every print's "Сохранить в PDF" opens, the
// buttons of Qt's dialogs and an edit field's context menu.
#include "app/AfxQtCaptions.h"
#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(QtCaptions, QtsOwnDialogsAndMenusSpeakRussian)
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm"))
        GTEST_SKIP() << "Qt's Russian captions are not installed here (tools/install installs qt6-translations-l10n)";
    const struct {
        const char* context;
        const char* english;
    } captions[] = {
        {"QFileDialog", "Look in:"},
        {"QFileDialog", "Files of type:"},
        {"QPlatformTheme", "Save"},
        {"QPlatformTheme", "Cancel"},
        {"QWidgetTextControl", "&Copy"},
    };
    for (const auto& c : captions)
        EXPECT_EQ(QCoreApplication::translate(c.context, c.english), QString::fromUtf8(c.english)) << "before";
    ASSERT_TRUE(AfxInstallQtCaptions());
    ASSERT_TRUE(AfxInstallQtCaptions()) << "a second call keeps the captions";
    for (const auto& c : captions) {
        const QString shown = QCoreApplication::translate(c.context, c.english);
        EXPECT_NE(shown, QString::fromUtf8(c.english)) << c.context << " " << c.english;
        EXPECT_TRUE(shown.contains(QRegularExpression(QStringLiteral("[а-яА-Я]")))) << shown.toStdString();
    }
}

} // namespace
