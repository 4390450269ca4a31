#include "CMemoryException.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

void AfxThrowMemoryException()
{
    throw new CMemoryException;
}
