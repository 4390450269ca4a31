// Hears every statement text any connection sends, as it is sent, on the
// sending thread: the benchmarks count the statements a save sends and replay
// them raw. An empty function stops it; without one a statement costs one check.
#pragma once
#include <QString>
#include <functional>

namespace vornal::ado {

using StatementListener = std::function<void(const QString& sql)>;
void SetStatementListener(StatementListener listener);

}  // namespace vornal::ado
