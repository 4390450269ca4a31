// A failure while reading or writing an archive.
#pragma once

#include "CException.h"

class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum { none, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };

    explicit CArchiveException(int cause = none, LPCTSTR archiveName = nullptr);

    int m_cause;
    CString m_strFileName;

protected:
    CString ErrorText() const override;
};

[[noreturn]] void AfxThrowArchiveException(int cause, LPCTSTR archiveName = nullptr);
