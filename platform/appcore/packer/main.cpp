// vornal_packer: packs the configuration sources into the archive file.
//
//   vornal_packer <config folder> <archive file> [<dependency file>]
//
// The archive is written beside its final name and renamed into place, so a
// failed run never leaves a half-written archive for the program to find.
// The dependency file lists every source read, for the build to watch.
#include "CConfigSourceReader.h"

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

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: vornal_packer <config folder> <archive file> [<dependency file>]\n");
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
