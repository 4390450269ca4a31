// The program around a form of the working month in a benchmark: user 1
// working the month, the application object and an MDI main frame shown
// offscreen; the caller starts the modules it measures.
#pragma once

class CMDIFrameWnd;

// The main frame, or null when it could not be made.
CMDIFrameWnd* StartMonthProgram(const char* appName, int year, int month);
