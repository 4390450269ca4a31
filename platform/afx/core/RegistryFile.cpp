#include "RegistryFile.h"

#include "afx_winerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Holds the writers' lock file of one registry file for one change.
class WriterLock {
public:
    explicit WriterLock(const QString& path)
        : m_fd(::open((path + QStringLiteral(".lock")).toUtf8().constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        if (m_fd >= 0)
            while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~WriterLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // releases the lock
    }
    bool locked() const { return m_fd >= 0; }

private:
    int m_fd;
};

} // namespace

RegistryFile& RegistryFile::at(const QString& path)
{
    static std::mutex mutex;
    static auto* files = new std::map<QString, std::unique_ptr<RegistryFile>>;
    std::lock_guard lock(mutex);
    std::unique_ptr<RegistryFile>& slot = (*files)[path];
    if (!slot)
        slot.reset(new RegistryFile(path));
    return *slot;
}

RegistryFile::Stamp RegistryFile::stampOnDisk() const
{
    struct stat st{};
    if (::stat(m_path.toUtf8().constData(), &st) != 0)
        return {};
    return {st.st_ino, (unsigned long long)st.st_size,
            (unsigned long long)st.st_mtim.tv_sec * 1000000000ULL + st.st_mtim.tv_nsec, true};
}

void RegistryFile::reloadIfChanged()
{
    const Stamp now = stampOnDisk();
    if (m_root && now == m_stamp)
        return;
    QFile file(m_path);
    m_root = file.open(QIODevice::ReadOnly) ? RegTreeFromText(file.readAll()) : std::make_unique<RegNode>();
    m_stamp = now;
}

bool RegistryFile::save()
{
    static std::atomic<unsigned> counter{0};
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const QString temp = m_path + QStringLiteral(".%1-%2.tmp").arg(::getpid()).arg(counter++);
    QFile file(temp);
    const QByteArray text = RegTreeToText(*m_root);
    // The profile keeps the remembered number and password of a login: only the
    // user may read it, whatever the umask.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) && file.write(text) == text.size()
        && file.flush();
    file.close();
    if (!written || ::rename(temp.toUtf8().constData(), m_path.toUtf8().constData()) != 0) {
        QFile::remove(temp);
        return false;
    }
    m_stamp = stampOnDisk();
    return true;
}

LONG RegistryFile::read(const std::function<LONG(const RegNode& root)>& reader)
{
    std::lock_guard lock(m_mutex);
    reloadIfChanged();
    return reader(*m_root);
}

LONG RegistryFile::modify(const std::function<LONG(RegNode& root)>& change)
{
    std::lock_guard lock(m_mutex);
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    WriterLock writers(m_path);
    if (!writers.locked())
        return ERROR_CANTWRITE;
    reloadIfChanged();
    const LONG result = change(*m_root);
    if (result == ERROR_SUCCESS && !save()) {
        m_root.reset(); // drop the change that did not reach the disk
        return ERROR_CANTWRITE;
    }
    if (result != ERROR_SUCCESS)
        m_root.reset(); // a refused change may have touched the tree: re-read next time
    return result;
}
