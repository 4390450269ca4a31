// CNipListDoc: the document of the employee's position list. Its parameter
// text is the employee's personnel number; its calling window (the form
// that asked for the list) gets the chosen running number while it lives.
#pragma once
#include "CderivedDocument.h"

namespace nvenzol {

class CNipListDoc : public CderivedDocument {
    DECLARE_DYNCREATE(CNipListDoc)
public:
    CNipListDoc();
    ~CNipListDoc() override;

    // The calling window from a callback text that begins with its handle
    // number; a window that is gone leaves none.
    void TakeCaller(const char* text);
};

} // namespace nvenzol
