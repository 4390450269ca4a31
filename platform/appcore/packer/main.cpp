// vornal_packer: packs the configuration sources into the archive file.
//
//   vornal_packer <config folder> <archive file> [<dependency file>]
//   vornal_packer --script <script file> <copy>
//
// The second form checks the syntax of a script that the program reads as a
// file of its own (an external report, _sys/_ExtReports/*.extr) and copies
// it beside the program, so its faults too are stopped at build time.
//
// The archive is written beside its final name and renamed into place, so a
// failed run never leaves a half-written archive for the program to find.
// The dependency file lists every source read, for the build to watch.
#include "CConfigSourceReader.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>

#include <cstdio>
#include <fstream>

namespace {

void WriteDepfile(const std::string& path, const std::string& target, const std::vector<std::string>& files)
{
    std::ofstream out(path);
    out << target << ":";
    for (const std::string& file : files) {
        out << " \\\n  ";
        for (char ch : file) {
            if (ch == ' ' || ch == '#' || ch == '\\')
                out << '\\';
            out << ch;
        }
    }
    out << "\n";
    if (!out)
        throw std::runtime_error("не удалось записать " + path);
}

// Checks a script file and copies it to `copy` (written beside and renamed
// into place, like the archive).
void CopyCheckedScript(const QString& source, const QString& copy)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw std::runtime_error("не удалось прочитать " + source.toStdString());
    const QByteArray text = in.readAll();
    const QString fault = ScriptSyntaxError(text, QFileInfo(source).fileName());
    if (!fault.isEmpty())
        throw std::runtime_error(source.toStdString() + ": синтаксическая ошибка: " + fault.toStdString());
    QDir().mkpath(QFileInfo(copy).absolutePath());
    const QString temporary = copy + ".new";
    QFile out(temporary);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size() || !out.flush())
        throw std::runtime_error("не удалось записать " + temporary.toStdString());
    out.close();
    QFile::remove(copy);
    if (!QFile::rename(temporary, copy))
        throw std::runtime_error("не удалось переименовать " + temporary.toStdString());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--script") {
        try {
            CopyCheckedScript(QString::fromUtf8(argv[2]), QString::fromUtf8(argv[3]));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "vornal_packer: %s\n", e.what());
            return 1;
        }
        return 0;
    }
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: vornal_packer <config folder> <archive file> [<dependency file>]\n"
                             "       vornal_packer --script <script file> <copy>\n");
        return 2;
    }
    std::string archivePath = argv[2];
    try {
        CConfigSourceReader reader;
        CDataArchive archive;
        archive.SetContents(reader.Read(argv[1]));
        std::string temporary = archivePath + ".new";
        archive.SaveFile(temporary.c_str());
        // Read back what was written: the program must be able to load it
        // (the reason of a failure is on the error stream already).
        CDataArchive check;
        if (!check.LoadFile(temporary.c_str()))
            throw std::runtime_error("записанный архив не читается: " + temporary);
        if (std::rename(temporary.c_str(), archivePath.c_str()) != 0)
            throw std::runtime_error("не удалось переименовать " + temporary);
        if (argc == 4)
            WriteDepfile(argv[3], archivePath, reader.FilesRead());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vornal_packer: %s\n", e.what());
        return 1;
    }
    return 0;
}
