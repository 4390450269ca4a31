// The entry by which the application core starts a module.
//
// Every module library exports one C function, VornalModuleInit, that calls
// the module's static Init() (which registers its document templates) and
// returns its result; the core finds it by that plain name after loading the
// library. A module writes, in one of its source files:
//
//     VORNAL_MODULE_ENTRY(CLedmark::Init)
#pragma once

#define VORNAL_MODULE_ENTRY_NAME "VornalModuleInit"

#define VORNAL_MODULE_ENTRY(initFunction)                                        \
    extern "C" __attribute__((visibility("default"))) int VornalModuleInit(void) \
    {                                                                            \
        return (initFunction)();                                                 \
    }
