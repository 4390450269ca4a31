#include "CommandPictures.h"

HBITMAP CommandBitmap(const CString&)
{
    return nullptr;
}
