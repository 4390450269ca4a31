#include "PhotoStore.h"

#include "ndbcore.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace nperso {

namespace {

void CopyFailed(const QString& source, const QString& destination, const std::error_code& error)
{
    AfxMessageBox(FormatText("Cannot copy file %s to %s\nGetLastError returns %d\n%s", CString(source),
                             CString(destination), error.value(), CString(QString::fromStdString(error.message()))),
                  MB_OK | MB_ICONSTOP);
}

} // namespace

QString PhotoFile(const CString& path)
{
    const QString text = path.ToQString();
    if (text.isEmpty() || QDir::isAbsolutePath(text))
        return text;
    return QDir::cleanPath(AfxGetProfileFolder() + QLatin1Char('/') + text);
}

CString PhotoDestination(const CString& folder, const CString& tn, const CString& source)
{
    const QString name = QFileInfo(source.ToQString()).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    QString stored = folder.ToQString();
    while (stored.size() > 1 && stored.endsWith(QLatin1Char('/')))
        stored.chop(1);
    stored += QLatin1Char('/') + tn.ToQString().trimmed();
    if (dot >= 0)
        stored += name.mid(dot);
    return CString(stored);
}

bool StorePhoto(const CString& source, const CString& tn, CString& destination)
{
    const CString folder = GetConstant("pics_lich_kart");
    if (folder.ToQString().trimmed().isEmpty()) {
        AfxMessageBox("Не задана папка фотографий работников (константа pics_lich_kart): снимок не сохранен",
                      MB_OK | MB_ICONSTOP);
        return false;
    }
    destination = PhotoDestination(folder.ToQString().trimmed(), tn, source);
    const QString from = PhotoFile(source);
    const QString to = PhotoFile(destination);
    if (from == to)
        return true;
    namespace fs = std::filesystem;
    std::error_code error;
    fs::create_directories(fs::path(QFileInfo(to).absolutePath().toStdString()), error);
    if (!error)
        fs::copy_file(fs::path(from.toStdString()), fs::path(to.toStdString()), fs::copy_options::overwrite_existing,
                      error);
    if (!error)
        return true;
    CopyFailed(from, to, error);
    return false;
}

} // namespace nperso
