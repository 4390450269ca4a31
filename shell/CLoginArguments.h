// The login arguments: the program's command line and the login string that
// the login dialog writes, in one layout. Each value is introduced by "-":
//
//   -<personnel number> -<password> -<driver id> -<database password>
//   -<database> -<database user> -<server> -<workplace index>
//
// Values are separated by a "-" that begins the text or follows a blank, so
// a value may itself contain "-" (a server "db-1", a date, a negative number)
// and blanks inside it ("Иванов И."); only its outer blanks are dropped. A
// value between double quotes keeps them, and a " -" inside: the login string
// carries the values so (appcore's LoginValues).
#pragma once
#include "afx.h"

#include <QStringList>

class CLoginArguments {
public:
    // The text of the database chooser's switch.
    static constexpr const char* kChooserSwitch = "-$$$";

    CString m_strTn;           // personnel number
    CString m_strPassword;     // user's password
    CString m_strDriverId;     // driver id (text as given)
    CString m_strDbPassword;   // database password
    CString m_strDatabase;     // database name
    CString m_strDbUser;       // database user
    CString m_strServer;       // server ("host" or "host:port")
    CString m_strArm;          // workplace index

    // Splits an argument string (the command line after the program's name,
    // or a login string).
    static CLoginArguments Parse(const CString& arguments);
    // The argument string of a process's arguments (the program's name left
    // out), the arguments joined by one blank and trimmed.
    static CString ArgumentString(const QStringList& arguments);
    static bool IsChooserSwitch(const CString& arguments);

    // A personnel number, password or workplace index was given: the user
    // logs in without the login dialog.
    BOOL HasLogin() const;
    // Hands the connection parameters that were given to the database layer
    // (an empty value leaves the current one).
    void ApplyConnection() const;

    // The login string of a user as the login dialog writes it, with the
    // current connection parameters; the workplace index is appended later.
    static CString LoginString(const CString& tn, const CString& password);
    static CString WithArm(const CString& loginString, int armIndex);
};
