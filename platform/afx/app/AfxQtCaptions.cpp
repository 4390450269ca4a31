#include "app/AfxQtCaptions.h"
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

bool AfxInstallQtCaptions()
{
    static QPointer<QTranslator> installed;
    if (installed)
        return true;
    auto* captions = new QTranslator(QCoreApplication::instance());
    if (!captions->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete captions;
        return false;
    }
    QCoreApplication::installTranslator(captions);
    installed = captions;
    return true;
}
