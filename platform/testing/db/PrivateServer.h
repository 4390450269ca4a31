// A MariaDB server of one test alone (tools/localdb in a temporary folder, on
// a free port), for what the shared server of the test run must never see:
// being stopped and started, or a changed server default. The database layer
// is pointed at it with Use().
#pragma once
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vornal::testing {

class PrivateServer {
public:
    PrivateServer();
    ~PrivateServer();
    PrivateServer(const PrivateServer&) = delete;
    PrivateServer& operator=(const PrivateServer&) = delete;

    ::testing::AssertionResult Start();
    ::testing::AssertionResult Stop();
    int Port() const { return port_; }
    // Creates the database when it is new and connects the database layer to it.
    ::testing::AssertionResult Use(const QString& database);
    // A connection string for one of its databases.
    QString ConnectionString(const QString& database) const;

private:
    ::testing::AssertionResult Tool(const QStringList& arguments);

    QTemporaryDir dir_;
    int port_ = 0;
};

}  // namespace vornal::testing
