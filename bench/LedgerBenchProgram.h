// The program around a ledger form in a benchmark: user 1 working the whole of
// a year, the application object, an MDI main frame shown offscreen and the
// ledger module's templates.
#pragma once

class CMDIFrameWnd;
class CView;

// The main frame, or null when it could not be made.
CMDIFrameWnd* StartLedgerProgram(int year);

// Opens the form of document name `docName` as the menu does (with the open
// parameter `kind`, as app.open's second argument) and gives its view once it
// has shown, or null.
CView* OpenLedgerForm(CMDIFrameWnd* frame, const char* docName, int kind = 0);
