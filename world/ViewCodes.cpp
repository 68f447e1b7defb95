#include "ViewCodes.h"

namespace zorbik {

uint8_t CellViewCode(const GameState& s, int x, int y)
{
    if (x < 1 || x > s.MazeSize || y < 1 || y > s.MazeSize || x >= GridSide || y >= GridSide)
        return ViewOutside;
    const uint8_t v = s.Maze[x][y];
    if (v == CellItem) {
        const uint8_t kind = LastKindAt(s.ItemList, s.ItemCount, x, y);
        return kind ? uint8_t(ViewItemBase + kind) : CellRoad;
    }
    if (v == CellEnemy) {
        const uint8_t kind = LastKindAt(s.EnemyList, s.EnemyCount, x, y);
        return kind ? uint8_t(ViewEnemyBase + kind) : CellRoad;
    }
    return v;
}

} // namespace zorbik
