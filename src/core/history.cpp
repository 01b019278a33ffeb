#include "core/history.h"

namespace tv::history {

bool push(ui::ListBox& list, std::string_view value)
{
    if (list.count() > 0 && list.item(0) == value)
        return false;
    list.insert(0, value);
    return true;
}

void trim(ui::ListBox& list, std::size_t limit, std::size_t keep)
{
    if (list.count() > limit)
        list.truncate(keep);
}

} // namespace tv::history
