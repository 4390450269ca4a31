// The C runtime's text names the modules use, for UTF-8 `char` text.
//
// Numbers are read in the "C" locale ("." is the decimal point) whatever the
// user's locale: _tstof/_ttof/_tcstod. Comparisons ignoring case fold Cyrillic
// as well as Latin letters.
#pragma once

#include "afx_types.h"

#include <cstdlib>
#include <cstring>

// strtod/atof that always read "." as the decimal point; an empty or failed
// text reads as 0, as atof does.
double AfxStrtod(const char* text, char** end);
double AfxAtof(const char* text);
// Compares UTF-8 texts ignoring letter case (Cyrillic included); <0, 0, >0.
int AfxStrICmp(const char* a, const char* b);
int AfxStrNICmp(const char* a, const char* b, size_t characters);

#define _tcslen std::strlen
#define _tcscpy std::strcpy
#define _tcsncpy std::strncpy
#define _tcscat std::strcat
#define _tcsncat std::strncat
#define _tcscmp std::strcmp
#define _tcsncmp std::strncmp
#define _tcschr std::strchr
#define _tcsrchr std::strrchr
#define _tcsstr std::strstr
#define _tcspbrk std::strpbrk
#define _tcstol std::strtol
#define _tcstoul std::strtoul
#define _tcstod AfxStrtod
#define _ttoi std::atoi
#define _tstoi std::atoi
#define _ttol std::atol
#define _tstol std::atol
#define _ttoi64 std::atoll
#define _tstof AfxAtof
#define _ttof AfxAtof
#define _tcsicmp AfxStrICmp
#define _stricmp AfxStrICmp
#define _tcsnicmp AfxStrNICmp
#define _strnicmp AfxStrNICmp
