// The logged-in user as the application core knows it: checking the user of
// the login string, the user's current period, and the globals of the
// session that the shell sets and the forms read.
#pragma once

#include "afx.h"

// The configuration's hash key, filled by CInterpriter::mcc_dll_Global_init_HashKey.
extern char m_szHashKey[64];
// The remembered password is kept enciphered (EncryptString) in the profile.
extern BOOL intr_bCryptoClientOK;
// Printed forms go to the printer without being shown first (0/1).
extern BOOL g_bPrintDirrect;

// Checks the user of a login string "-tn -password -driver -dbpassword
// -database -dbuser -server -workplace" (an empty text: the program's own
// command line, as the shell passes it when it was started with the login
// arguments). The personnel number and password must be a user's, and the
// workplace index a workplace of the configuration that the user may enter
// (system_tn_arm); then g_lARM is that index and the answer is the personnel
// number. Otherwise the user is told why and the answer is -1.
long VerifyUser(const char* login);

// Makes a year and month the user's current ones (table tn, columns g and ms)
// and, for the logged-in user, the session's (g_lYear, g_lMonth). Non-zero on success.
int SetOtpTn(long tn, long year, long month);
// Reads the user's current year and month; a user without them (or a failed
// read) leaves the arguments as they were and answers 0.
int GetOtpTn(long tn, long& year, long& month);

namespace appcore {

// The program's arguments after its name, joined by one blank (the login
// arguments when the program was started with them).
CString CommandLineArguments();

} // namespace appcore
