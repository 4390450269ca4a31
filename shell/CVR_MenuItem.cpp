#include "CVR_MenuItem.h"

#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<CVR_MenuItem>>& Records()
{
    static std::vector<std::unique_ptr<CVR_MenuItem>> records;
    return records;
}

} // namespace

CVR_MenuItem* CVR_MenuItem::Create(const CString& caption, int kind)
{
    auto record = std::make_unique<CVR_MenuItem>();
    record->m_strCaption = caption;
    record->m_nKind = kind;
    Records().push_back(std::move(record));
    return Records().back().get();
}

void CVR_MenuItem::DeleteAll()
{
    Records().clear();
}

int CVR_MenuItem::Count()
{
    return int(Records().size());
}
