// The program's start: main() of a program is
//
//   CMyApp theApp;
//   int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
//
// AfxWinMain creates the QApplication, sets LC_NUMERIC to "C" right after it
// (numbers in SQL and scripts are written with "."), records the command
// line (GetCommandLine, m_lpCmdLine), then runs the application object's
// InitInstance, its message loop (Run) and ExitInstance; the templates and any
// document still open go before the QApplication does.
#pragma once

int AfxWinMain(int argc, char** argv);
