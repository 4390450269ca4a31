// How the process keeps its memory. Registers and printed pages are built as
// strings of several megabytes, again at every print. Left to itself the C
// library maps each such block from the system anew and hands it back when it
// is freed, so every print pays for touching fresh pages (on a virtual machine
// that costs more than building the page). The heap keeps freed blocks of up to
// 64 MB for the next print instead; a desktop session can afford that.
#include <malloc.h>

namespace {

constexpr int kMappedFrom = 64 * 1024 * 1024;
constexpr int kTrimmedFrom = 128 * 1024 * 1024;

struct HeapPolicy {
    HeapPolicy()
    {
        mallopt(M_MMAP_THRESHOLD, kMappedFrom);
        mallopt(M_TRIM_THRESHOLD, kTrimmedFrom);
    }
};

const HeapPolicy g_heapPolicy;

} // namespace
