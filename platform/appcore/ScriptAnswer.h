// How a script's value becomes the answer text of an evaluation.
//
// Callers read answers with atol/atof, so the text is plain: integers (and
// floats with no fraction) without a decimal point or exponent, other numbers
// with "." and at most 15 significant digits, booleans as "1"/"0", nil as "".
#pragma once

#include <string>

struct lua_State;

namespace appcore {

// The text of a number as the answer carries it, whatever the process locale.
std::string ScriptNumberText(double value);

// Converts the value at `index` into answer text. Tables, functions and other
// values that have no text form leave `answer` untouched and return false.
bool ScriptValueText(lua_State* L, int index, std::string& answer);

} // namespace appcore
