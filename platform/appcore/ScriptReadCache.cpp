#include "ScriptReadCache.h"

#include "ado.h"

#include <atomic>
#include <map>

namespace appcore {

namespace {

struct ReadCache {
    int depth = 0;
    unsigned long long generation = 0;
    std::map<std::string, std::any> answers;
};

unsigned long long NextGeneration()
{
    static std::atomic<unsigned long long> last{0};
    return ++last;
}

ReadCache& ThreadCache()
{
    thread_local ReadCache cache;
    return cache;
}

} // namespace

CScriptReadCache::CScriptReadCache()
{
    ReadCache& cache = ThreadCache();
    if (cache.depth++ == 0)
        cache.generation = NextGeneration();
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
    ReadCache& cache = ThreadCache();
    cache.answers.clear();
    cache.generation = NextGeneration();
}

bool CScriptReadCache::FindCount(const std::string& sql, long long& count)
{
    const std::any* kept = Find(ScalarKey(sql));
    if (!kept)
        return false;
    const _variant_t& value = std::any_cast<const _variant_t&>(*kept);
    count = value.isNull() || value.isEmpty() ? 0 : static_cast<long long>(value);
    return true;
}

void CScriptReadCache::KeepCount(const std::string& sql, long long count)
{
    Keep(ScalarKey(sql), _variant_t(count));
}

unsigned long long CScriptReadCache::Generation()
{
    const ReadCache& cache = ThreadCache();
    return cache.depth > 0 ? cache.generation : 0;
}

} // namespace appcore
