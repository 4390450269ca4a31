// Folders of the program and paths written the Windows way.
#pragma once

#include "CString.h"

#include <QString>

// The file-system path for a path as the modules write it: "\" separates folders,
// a drive prefix ("a:\", "C:\") stands for the user's home folder, and a folder
// or file that does not exist with the exact letter case is found ignoring case
// ("_SYS" finds "_sys"), as Windows file names are.
QString AfxNativePath(const char* path);
QString AfxNativePath(const QString& path);

// The folder of the program, without a trailing separator: VORNAL_PROGRAM_DIR
// when set (tests point it at the build's program folder), else the folder of
// the running executable.
CString AfxGetProgramFolder();

// The folder of the user's profile store: VORNAL_PROFILE_DIR when set, else
// $XDG_CONFIG_HOME/vornal, else ~/.config/vornal. Created when missing.
QString AfxGetProfileFolder();
