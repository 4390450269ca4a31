#include "CuttingProxy.h"

#include "FreshDatabase.h"
#include "ndbcore.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vornal::testing {

namespace {

int ConnectTo(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return fd;
}

bool SendAll(int fd, const char* data, ssize_t size)
{
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, size, MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= sent;
    }
    return true;
}

}  // namespace

CuttingProxy::CuttingProxy()
{
    TestServer server;
    if (!CreateFreshDatabase(&server))
        return;
    serverPort_ = server.port;
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    const int one = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(listener_, 16) != 0
        || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(listener_);
        listener_ = -1;
        return;
    }
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread([this] { Accept(); });
}

CuttingProxy::~CuttingProxy()
{
    // The layer goes back to the test server before the relay closes under it.
    UnInitDll();
    SetServerName(CString(QStringLiteral("127.0.0.1:%1").arg(serverPort_)));
    stop_ = true;
    if (acceptor_.joinable())
        acceptor_.join();
    for (std::thread& relay : threads_)
        relay.join();
    if (listener_ >= 0)
        ::close(listener_);
    UseFreshDatabase();
}

bool CuttingProxy::Use()
{
    if (port_ == 0 || !UseFreshDatabase())
        return false;
    SetServerName(CString(QStringLiteral("127.0.0.1:%1").arg(port_)));
    return InitDll() != 0;
}

void CuttingProxy::CutAt(const QByteArray& marker, Cut how)
{
    std::lock_guard lock(mutex_);
    marker_ = marker;
    how_ = how;
    cut_ = false;
}

void CuttingProxy::Refuse()
{
    refuse_ = true;
}

void CuttingProxy::Accept()
{
    while (!stop_) {
        pollfd waiting{listener_, POLLIN, 0};
        if (::poll(&waiting, 1, 50) <= 0)
            continue;
        const int client = ::accept(listener_, nullptr, nullptr);
        if (client < 0)
            continue;
        const int server = refuse_ ? -1 : ConnectTo(serverPort_);
        if (server < 0) {
            ::close(client);
            continue;
        }
        std::lock_guard lock(mutex_);
        threads_.emplace_back([this, client, server] { Relay(client, server); });
    }
}

// Passes bytes both ways until a side closes or the relay stops. The marker
// is looked for in what the program sent, with the tail of the packet before
// (a marker cut in two by the network is still found).
void CuttingProxy::Relay(int client, int server)
{
    QByteArray seen;
    bool clientOpen = true;
    bool cutAtAnswer = false;  // the marked call went to the server whole: cut when it answers
    char buffer[65536];
    while (!stop_) {
        pollfd sides[2] = {{server, POLLIN, 0}, {clientOpen ? client : -1, POLLIN, 0}};
        if (::poll(sides, 2, 50) <= 0)
            continue;
        if (sides[0].revents) {
            const ssize_t got = ::recv(server, buffer, sizeof buffer, 0);
            if (got <= 0)
                break;
            if (cutAtAnswer) {
                // The server has run the call to its end (it answers only
                // then) and its answer goes nowhere; the server's side stays
                // open until the relay stops.
                cutAtAnswer = false;
                ::shutdown(client, SHUT_RDWR);
                ::close(client);
                clientOpen = false;
                cut_ = true;
            } else if (clientOpen && !SendAll(client, buffer, got)) {
                break;
            }
        }
        if (!clientOpen || cutAtAnswer || !sides[1].revents)
            continue;
        const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
        if (got <= 0)
            break;
        seen = seen.right(256) + QByteArray(buffer, int(got));
        bool cut = false;
        Cut how = Cut::Before;
        {
            std::lock_guard lock(mutex_);
            if (!marker_.isEmpty() && seen.contains(marker_)) {
                cut = true;
                how = how_;
                marker_.clear();
            }
        }
        if (cut && how == Cut::Before) {
            cut_ = true;
            break;
        }
        if (!SendAll(server, buffer, got))
            break;
        if (cut)
            cutAtAnswer = true;
    }
    if (clientOpen) {
        ::shutdown(client, SHUT_RDWR);
        ::close(client);
    }
    ::shutdown(server, SHUT_RDWR);
    ::close(server);
}

}  // namespace vornal::testing
