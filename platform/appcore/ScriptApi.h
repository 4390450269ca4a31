// The host API the configuration's scripts call: the tables `app` (the user,
// messages, reports) and `db` (the database through nDbcore). config/README.md
// documents every function.
#pragma once

struct lua_State;

namespace appcore {

// Registers every host table into a fresh interpreter state.
void RegisterScriptApi(lua_State* L);

void RegisterScriptAppApi(lua_State* L);
void RegisterScriptDbApi(lua_State* L);

} // namespace appcore
