// The database of one test binary on the test run's local server
// (VORNAL_TEST_DB_DIR, VORNAL_TEST_DB_PORT): created fresh with the schema of
// db/mysql/ once per process, named after the binary. A missing server is a
// test failure, never a skip. A database report that no DbReportRecorder
// takes fails the running test.
#pragma once
#include "ado.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>

namespace vornal::testing {

struct TestServer {
    QString host = QStringLiteral("127.0.0.1");
    int port = 0;
    QString database;
};

// Creates the database on the first call of the process; later calls answer the same.
::testing::AssertionResult CreateFreshDatabase(TestServer* server = nullptr);

// A connection string for the test database (MariaDB driver, root, no password).
QString TestConnectionString(const TestServer& server);

// Connects the database layer (nDbcore) to this binary's fresh database:
// driver 1, 127.0.0.1:port, user root, empty password. Call it in every test's
// SetUp: the database is made once; the layer is connected again when a test
// closed it.
::testing::AssertionResult UseFreshDatabase();

// A connection of its own to the test database, beside the layer's one
// (for a second user in concurrency tests). Throws _com_error.
_ConnectionPtr OpenRawConnection();

// Asks `count` (a select of one number, e.g. of the server's process list) on
// `connection` every 10 ms until `holds` takes its answer, for at most
// `milliseconds`; whether it did. For a test that must wait until another
// connection has reached a statement or has gone.
bool WaitForCount(_ConnectionPtr connection, const QString& count, const std::function<bool(long long)>& holds,
                  int milliseconds = 5000);

// Ends the layer's connection as the server does at a restart (an
// administrator's KILL) and waits until it is gone, so the layer's next call
// finds it dropped rather than half alive. Whether it went.
bool DropTheLayersConnection();

}  // namespace vornal::testing
