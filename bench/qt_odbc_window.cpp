// The connecting yardstick of the start-up benchmark: a Qt Widgets program
// that connects through unixODBC with the connection string it is given,
// runs one query, shows its answer in a label of a main window, prints
// "shown" with the monotonic clock's nanoseconds once the window has been
// painted, and ends.
//
//   qt_odbc_window "DRIVER=...;SERVER=...;DATABASE=...;UID=...;PWD=" "select ..."
#include "FirstPaintWindow.h"
#include "RawOdbcConnection.h"

#include <QLabel>

namespace {

// The first column of the first row as text; false with the driver's message
// printed when the query gave none, so the benchmark sees no window shown.
bool Answer(const char* connectionString, const char* sql, QString& answer)
{
    RawOdbcConnection odbc(connectionString);
    SQLCHAR text[256] = {};
    SQLLEN length = 0;
    if (!odbc.connected() || !SQL_SUCCEEDED(SQLExecDirect(odbc.stmt(), (SQLCHAR*)sql, SQL_NTS))
        || !SQL_SUCCEEDED(SQLFetch(odbc.stmt()))
        || !SQL_SUCCEEDED(SQLGetData(odbc.stmt(), 1, SQL_C_CHAR, text, sizeof text, &length))) {
        std::fprintf(stderr, "%s\n", odbc.error().c_str());
        return false;
    }
    answer = QString::fromUtf8(reinterpret_cast<char*>(text));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QString answer;
    if (!Answer(argv[1], argv[2], answer))
        return 1;
    FirstPaintWindow window;
    window.setCentralWidget(new QLabel(answer, &window));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
