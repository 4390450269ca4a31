// The document of the department selection form: the core's form document
// (its m_strParam names the table whose departments are listed).
#pragma once

#include "appcore.h"

class CSelectPRDDoc : public CderivedDocument {
    DECLARE_DYNCREATE(CSelectPRDDoc)
public:
    CSelectPRDDoc();
    ~CSelectPRDDoc() override;
};
