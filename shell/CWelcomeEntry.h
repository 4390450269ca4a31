// One database of the database chooser's list (profile value "welcome" in
// section "Settings"): how to reach it and which program folder to start.
// The list holds the entries joined by GetDelimiter(), the seven fields of an
// entry joined by GetDelimiter0(), in this order.
#pragma once
#include "afx.h"

#include <vector>

class CWelcomeEntry {
public:
    long m_lDriverId = 1;
    CString m_strServer;
    CString m_strDatabase;
    CString m_strUser;
    CString m_strPassword;
    CString m_strFolder;
    CString m_strName;

    CString ToText() const;
    static CWelcomeEntry FromText(const CString& text);

    // The entry texts of a stored list, in order (none for an empty list), and back.
    static std::vector<CString> SplitList(const CString& list);
    static CString JoinList(const std::vector<CString>& entries);

    // The program the chooser starts: "vornal.exe", or "Setupdesk.exe" for
    // the configurator, in the entry's folder (one "\" between them, however
    // the folder was typed).
    CString ProgramPath(BOOL configurator) const;
    // The program's arguments: the login arguments with an empty personnel
    // number, password and workplace index, so the program asks for the login
    // on this database. A value with blanks or quotes is quoted so that it
    // reaches the program whole.
    CString ProgramParameters() const;
};
