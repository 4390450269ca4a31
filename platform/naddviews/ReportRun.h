// A selection form's report run: the wait cursor while it builds, and an
// error escaping it reported (a database error as the layer reports it, any
// other with its cause), so the form stays open for another try.
#pragma once

#include <functional>

namespace naddviews {

void RunReportReported(const std::function<void()>& report);

} // namespace naddviews
