// The splash of start-up, application-wide: enabled when start-up begins,
// shown with an owner window, told what start-up is doing, and removed at
// the first turn of the message loop after start-up has ended (or at once
// when start-up fails).
#pragma once
#include "afx.h"

class CWelcomeScreenWnd;

// Start-up has begun: the splash may be shown from now on.
void EnableSplash();
// Shows a new splash owned by `owner` (nothing when not enabled or start-up
// has ended); the splash picture follows the date.
void ShowSplash(CWnd* owner);
// Stores the status text and shows it on the splash, if there is one.
void SetSplashText(LPCTSTR text);
CString GetSplashText();
// Start-up has ended, successfully or not.
void EndSplashStartup();
// Removes the splash window at once (a failed start-up).
void DeleteSplash();
// Once start-up has ended, the first message (or idle turn) removes the
// splash and repaints the main window; never consumes the message.
void HideSplashOnFirstMessage(CWnd* mainWnd);
// The splash window now shown, if any.
CWelcomeScreenWnd* GetSplashWindow();
// Back to the state before any start-up (a test's fresh start).
void ResetSplash();
