// CStovan: the entry of the warehouse module for the application core. Init
// registers the document template of every view of the module, in every
// workplace, so any script, menu command or view opens a warehouse view by
// its document name.
#pragma once
#include "afx.h"

namespace nstovan {

class __attribute__((visibility("default"))) CStovan {
public:
    CStovan() = default;
    virtual ~CStovan();

    // Creates one template per view of the module (resource id, document,
    // frame and view classes) and hands it to the application; always 1,
    // whatever the workplace, the user or the database.
    static int Init();
};

} // namespace nstovan
