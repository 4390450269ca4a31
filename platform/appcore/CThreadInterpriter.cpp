#include "CThreadInterpriter.h"

#include "CDataArchive.h"
#include "ConfigGlobals.h"
#include "ScriptHooks.h"

namespace {

thread_local CInterpriter* threadInterpriter = nullptr;

} // namespace

CThreadInterpriter::CThreadInterpriter()
    : m_own(std::make_unique<CInterpriter>()), m_current(m_own.get()), m_previous(threadInterpriter)
{
    threadInterpriter = m_current;
    // A copy of the configuration taken under its lock, loaded after it: the
    // scripts' errors are told outside the lock, since telling may wait for
    // the user-interface thread, the one that replaces the configuration.
    CDataArchive copy;
    {
        const CDataArchive* archive = GetDataArchive();
        const auto reading = archive->LockForReading();
        if (archive->IsLoaded())
            copy.SetContents(archive->GetContents());
    }
    if (!copy.IsLoaded()) {
        appcore::ScriptReportError("Конфигурация не загружена: сценарии потока не могут быть запущены.");
        return;
    }
    m_ready = m_own->LoadConfiguration(copy);
}

CThreadInterpriter::CThreadInterpriter(CInterpriter& interpriter)
    : m_current(&interpriter), m_previous(threadInterpriter), m_ready(true)
{
    threadInterpriter = m_current;
}

CThreadInterpriter::~CThreadInterpriter()
{
    threadInterpriter = m_previous;
}

CInterpriter* CThreadInterpriter::OfThisThread()
{
    return threadInterpriter;
}
