#include "CLedmark.h"

namespace nledmark {

CLedmark::~CLedmark() = default;

int CLedmark::Init()
{
    return 1;
}

} // namespace nledmark
