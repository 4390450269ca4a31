#include "CUserException.h"

IMPLEMENT_DYNAMIC(CUserException, CException)

void AfxThrowUserException()
{
    throw new CUserException;
}
