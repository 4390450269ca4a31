// CconfigDocument: the document of an editable stored document (an order, a
// bank statement...). Besides what CderivedDocument carries it holds the key
// of the stored row (-1 for a new document) and the date text with which the
// document was loaded (the kept date, "" for a new one), which the save
// compares with the open period.
#pragma once

#include "CderivedDocument.h"

class CconfigDocument : public CderivedDocument {
    DECLARE_DYNCREATE(CconfigDocument)
public:
    CconfigDocument();

    long GetRealId() const { return real_id; }
    void SetRealId(long id) { real_id = id; }
    const CString& GetLoadedDate() const { return m_strLoadedDate; }
    void SetLoadedDate(const CString& date) { m_strLoadedDate = date; }

    long real_id = -1;
    CString m_strLoadedDate;

protected:
    void TakeRequest(const appcore::OpenRequest& request) override;
};
