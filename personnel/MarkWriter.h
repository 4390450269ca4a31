// Writing the marks of a time sheet: one routine for the day and the position
// sheets. Each mark updates its day's row, or inserts one, or (an empty mark)
// deletes it; all the marks of one save in one transaction, so a save that
// fails changes nothing and every mark of the day stays as it was. The stored
// rows of the marks' days are read under their update lock first and the
// statements then go to the server as one batch.
#pragma once
#include "StaffSql.h"

#include <vector>

namespace nperso {

// TRUE when every mark was written. FALSE when a statement failed (the
// database layer reports it) or a mark names no assignment (reported here).
BOOL WriteMarks(const std::vector<nvenzol::TrvMark>& marks);

} // namespace nperso
