// A second program writing the profile, for the test of two writers at once:
//   afx_profile_writer <section> <prefix> <count>
// writes entries "<prefix><n>" = n into the section of the store of VORNAL_PROFILE_DIR.
#include "afx.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    CProfileStore store("KestromTest", "Vornal");
    const int count = std::atoi(argv[3]);
    for (int n = 0; n < count; ++n)
        if (!store.WriteInt(argv[1], FormatText("%s%d", argv[2], n), n))
            return 1;
    return 0;
}
