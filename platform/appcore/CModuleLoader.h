// Loads the modules the configuration names and starts each one.
//
// A module is the shared library "<name>.so" in the module folder (the program
// folder unless set otherwise). After loading, its exported VornalModuleInit
// entry runs; a 0 from it fails the start. A module marked optional whose file
// is absent is skipped with a log line; a file that is present but does not
// load is an error whether optional or not. Libraries stay loaded until the
// process ends: the templates they registered belong to the application.
#pragma once

#include <string>
#include <vector>

struct CModuleRecord;

class CModuleLoader {
public:
    static void SetFolder(const std::string& folder); // "" = the program folder
    static std::string GetFolder();

    // Loads and starts the modules in order. Every problem is reported;
    // returns 0 at the first module that fails, 1 when all are up. A list
    // that names a module twice is refused before any module starts.
    static int LoadAll(const std::vector<CModuleRecord>& modules);
    // Loads and starts one module; a module already started (under any name)
    // is refused: it is started once per application.
    static int Load(const CModuleRecord& module);
    // Names of the modules started so far.
    static std::vector<std::string> Loaded();
    // The application has ended: the next one starts its modules again (the
    // libraries stay loaded, their templates went with the application).
    static void Forget();
};
