// Documents sent through plain unixODBC, each its own transaction on one
// connection: the yardstick of the save soak's rates. Kept in a file of its
// own because the ODBC headers and the MFC subset's headers do not mix.
#pragma once
#include <string>
#include <vector>

// Runs each document's statements and commits it; the seconds all of them
// took, or a negative value on failure (the message in `error`).
double RunRawOdbcDocuments(const std::string& connectionString,
                           const std::vector<std::vector<std::string>>& documents, std::string& error);
