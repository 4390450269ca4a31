// One registry file on disk, shared by every key handle and profile of the process.
//
// read() hands the tree as it is on disk (re-read when another process replaced
// the file). modify() takes the lock file, re-reads, applies the change and,
// when the change answers ERROR_SUCCESS, writes a temporary file and renames it
// over the old one, so a reader never sees half a file and two writers never
// lose each other's values.
#pragma once

#include "RegistryTree.h"

#include <QString>
#include <functional>
#include <memory>
#include <mutex>

class RegistryFile {
public:
    // The file of that path, one object per path for the whole process.
    static RegistryFile& at(const QString& path);

    LONG read(const std::function<LONG(const RegNode& root)>& reader);
    LONG modify(const std::function<LONG(RegNode& root)>& change);

    const QString& path() const { return m_path; }

private:
    explicit RegistryFile(const QString& path) : m_path(path) {}
    struct Stamp {
        unsigned long long inode = 0, size = 0, modified = 0;
        bool exists = false;
        bool operator==(const Stamp&) const = default;
    };
    Stamp stampOnDisk() const;
    void reloadIfChanged();
    bool save();

    QString m_path;
    std::mutex m_mutex;
    std::unique_ptr<RegNode> m_root;
    Stamp m_stamp;
};
