#include "DbLock.h"

std::recursive_mutex& DbMutex()
{
    static std::recursive_mutex* mutex = new std::recursive_mutex;  // lives past static destruction
    return *mutex;
}
