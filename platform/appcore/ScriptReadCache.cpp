#include "ScriptReadCache.h"

#include <map>

namespace appcore {

namespace {

struct ReadCache {
    int depth = 0;
    std::map<std::string, std::any> answers;
};

ReadCache& ThreadCache()
{
    thread_local ReadCache cache;
    return cache;
}

} // namespace

CScriptReadCache::CScriptReadCache()
{
    ++ThreadCache().depth;
}

CScriptReadCache::~CScriptReadCache()
{
    ReadCache& cache = ThreadCache();
    if (--cache.depth == 0)
        cache.answers.clear();
}

bool CScriptReadCache::Active()
{
    return ThreadCache().depth > 0;
}

const std::any* CScriptReadCache::Find(const std::string& key)
{
    ReadCache& cache = ThreadCache();
    auto found = cache.answers.find(key);
    return found == cache.answers.end() ? nullptr : &found->second;
}

void CScriptReadCache::Keep(const std::string& key, std::any value)
{
    ReadCache& cache = ThreadCache();
    if (cache.depth > 0)
        cache.answers[key] = std::move(value);
}

void CScriptReadCache::Forget()
{
    ThreadCache().answers.clear();
}

} // namespace appcore
