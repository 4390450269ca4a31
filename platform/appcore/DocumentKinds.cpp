#include "DocumentKinds.h"

#include "ndbcore.h"

long I_GetNextDoc_Ptr()
{
    return GetNextDocId();
}
