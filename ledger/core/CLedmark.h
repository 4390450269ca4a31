// CLedmark: the entry of the general-ledger module for the application core.
// Init registers the document template of every view of the module, so any
// script, menu command or view opens a ledger view by its document name.
#pragma once
#include "afx.h"

namespace nledmark {

class __attribute__((visibility("default"))) CLedmark {
public:
    CLedmark() = default;
    virtual ~CLedmark();

    // Creates one template per view of the module (resource id, document,
    // frame and view classes) and hands it to the application; always 1.
    static int Init();
};

} // namespace nledmark
