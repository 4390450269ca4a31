// What the module registers, for its tests and the program's checks: the
// template rows in their order, the names of its calls, and the start in a
// named workplace that Init makes in the current one.
#pragma once
#include "appcore.h"

#include <string>
#include <vector>

namespace npaymar {

const std::vector<appcore::ModuleTemplate>& ModuleTemplates();
std::vector<std::string> ModuleCallNames();
// Init's work in the workplace of that id; always 1.
int InitInWorkplace(const CString& workplace);

} // namespace npaymar
