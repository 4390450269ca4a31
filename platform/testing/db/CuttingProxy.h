// A relay between the database layer and the test server that cuts a
// connection at a chosen call, as a network that fails does, and can refuse
// every connection after it, as a server that does not come back. The layer
// is pointed at it with Use() and back at the test server when it goes.
//
// The cut waits for the first packet the program sends that contains a
// marker (a text of the call's statements): Before, the packet never reaches
// the server and both sides close (the server rolls back what it had open);
// After, the server gets it whole and runs it to its end, and the program's
// side closes as the server answers, so the program never hears the answer
// (the server has committed what the call commits). Until then the program
// waits for its answer as it would on a slow network.
#pragma once
#include <QByteArray>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace vornal::testing {

class CuttingProxy {
public:
    enum class Cut { Before, After };

    CuttingProxy();
    ~CuttingProxy();
    CuttingProxy(const CuttingProxy&) = delete;
    CuttingProxy& operator=(const CuttingProxy&) = delete;

    // Connects the database layer through the relay; false when it could not.
    bool Use();
    void CutAt(const QByteArray& marker, Cut how);
    // Whether the armed cut has happened.
    bool HasCut() const { return cut_; }
    // No connection is taken from now on.
    void Refuse();

private:
    void Accept();
    void Relay(int client, int server);

    int listener_ = -1;
    int port_ = 0;
    int serverPort_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<bool> refuse_{false};
    std::atomic<bool> cut_{false};
    std::mutex mutex_;
    QByteArray marker_;
    Cut how_ = Cut::Before;
    std::vector<std::thread> threads_;
    std::thread acceptor_;
};

}  // namespace vornal::testing
