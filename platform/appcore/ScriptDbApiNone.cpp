// Built where the program has no database layer: the scripts get no `db` table.
#include "ScriptApi.h"

namespace appcore {

void RegisterScriptDbApi(lua_State*)
{
}

} // namespace appcore
