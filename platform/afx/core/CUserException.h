// An operation the user stopped or was already told about: it carries no message.
#pragma once

#include "CException.h"

class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
};

[[noreturn]] void AfxThrowUserException();
