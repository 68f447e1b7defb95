#include "GameState.h"

#include <algorithm>

namespace zorbik {

bool operator==(const CellRecord& a, const CellRecord& b)
{
    return a.x == b.x && a.y == b.y && a.kind == b.kind;
}

const std::string& GameState::Arg(size_t i) const
{
    static const std::string empty;
    return i < Args.size() ? Args[i] : empty;
}

void RemoveRecord(RecordList& list, int32_t& count, int32_t index)
{
    if (index < 1 || index > count || count > ListRoom)
        return;
    for (int32_t k = index; k < count; ++k)
        list[k] = list[k + 1];
    list[count] = CellRecord{};
    --count;
}

int32_t LastRecordAt(const RecordList& list, int32_t count, int x, int y)
{
    for (int32_t k = std::clamp(count, 0, ListRoom); k >= 1; --k)
        if (list[k].x == x && list[k].y == y)
            return k;
    return 0;
}

uint8_t LastKindAt(const RecordList& list, int32_t count, int x, int y)
{
    const int32_t k = LastRecordAt(list, count, x, y);
    return k == 0 ? 0 : list[k].kind;
}

} // namespace zorbik
