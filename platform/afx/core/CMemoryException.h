// Memory ran out.
#pragma once

#include "CException.h"

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
protected:
    CString ErrorText() const override { return CString("Недостаточно памяти."); }
};

[[noreturn]] void AfxThrowMemoryException();
