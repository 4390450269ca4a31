#include "SingleInstance.h"

#include "ScriptHooks.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include <fcntl.h>
#include <map>
#include <memory>
#include <sys/file.h>
#include <unistd.h>

namespace {

// A claim: the locked file and the server through which a refused second
// process asks this one to come forward.
class InstanceClaim {
public:
    InstanceClaim(int fd, const QString& key) : m_fd(fd)
    {
        if (!QCoreApplication::instance())
            return;
        QLocalServer::removeServer(key);
        m_server = std::make_unique<QLocalServer>();
        QObject::connect(m_server.get(), &QLocalServer::newConnection, [server = m_server.get()] {
            while (QLocalSocket* peer = server->nextPendingConnection())
                peer->deleteLater();
            BringForward();
        });
        m_server->listen(key);
    }
    ~InstanceClaim() { close(m_fd); }

private:
    static void BringForward()
    {
        QWidget* window = QApplication::activeWindow();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!window && w->isVisible())
                window = w;
        if (window) {
            window->showNormal();
            window->raise();
            window->activateWindow();
        }
    }

    int m_fd;
    std::unique_ptr<QLocalServer> m_server;
};

CString g_className;
std::map<QString, std::unique_ptr<InstanceClaim>>& Claims()
{
    static std::map<QString, std::unique_ptr<InstanceClaim>> claims;
    return claims;
}

// The folder of the user's claims: the runtime folder, else one in /tmp of this user.
QString ClaimFolder()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QStringLiteral("/tmp/vornal-%1").arg(getuid());
    QDir().mkpath(folder);
    return folder;
}

// A name safe as a file and socket name, the same for the same class and title.
QString ClaimKey(const QString& className, const QString& title)
{
    QByteArray text = (className + QStringLiteral("\n") + title).toUtf8();
    QByteArray hash = QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex().left(24);
    return QStringLiteral("vornal-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

void AskToComeForward(const QString& key)
{
    QLocalSocket socket;
    socket.connectToServer(key);
    if (socket.waitForConnected(500))
        socket.disconnectFromServer();
}

} // namespace

void SetMyClassName(const char* name)
{
    CString next(name ? name : "");
    if (next != g_className)
        Claims().clear();
    g_className = next;
}

CString GetMyClassName()
{
    return g_className;
}

int FirstInstance(const char* className, const char* title)
{
    QString name = className ? QString::fromUtf8(className) : g_className.ToQString();
    QString key = ClaimKey(name, title ? QString::fromUtf8(title) : QString());
    if (Claims().count(key))
        return 1;
    QString path = ClaimFolder() + QStringLiteral("/") + key + QStringLiteral(".lock");
    int fd = open(path.toLocal8Bit().constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return 1; // nowhere to keep a claim: never keep the user out because of it
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        AskToComeForward(key);
        if (title && *title)
            appcore::ScriptLog(std::string("Окно «") + title + "» уже открыто другой программой: "
                               "оно выведено вперёд, вторая не запускается.");
        else
            appcore::ScriptLog("Программа с этим сервером, базой данных, рабочим местом и пользователем уже "
                               "запущена: её окно выведено вперёд, вторая не запускается.");
        return 0;
    }
    Claims()[key] = std::make_unique<InstanceClaim>(fd, key);
    return 1;
}
