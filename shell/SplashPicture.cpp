#include "SplashPicture.h"

#include "res/resource.h"

UINT SplashPictureId(int month, int day)
{
    const bool winter = (month == 12 && day >= 2) || (month == 1 && day <= 14);
    return winter ? IDB_SPLASH_WINTER : IDB_SPLASH;
}
