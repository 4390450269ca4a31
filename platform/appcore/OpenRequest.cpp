#include "OpenRequest.h"

namespace appcore {

namespace {
const OpenRequest* g_pending = nullptr;
}

const OpenRequest* PendingOpenRequest()
{
    return g_pending;
}

OpenRequestScope::OpenRequestScope(const OpenRequest& request) : m_previous(g_pending)
{
    g_pending = &request;
}

OpenRequestScope::~OpenRequestScope()
{
    g_pending = m_previous;
}

} // namespace appcore
