#include "play/RouteSearch.h"
#include "PlayFixture.h"
#include "world/Random.h"

#include <chrono>
#include <utility>

namespace zorbik::testing {
namespace {

using Path = std::vector<std::pair<int, int>>;

Path RouteOf(const GameState& s)
{
    Path p;
    for (int k = 1; k <= s.RouteLength; ++k)
        p.emplace_back(s.Route[k].x, s.Route[k].y);
    return p;
}

bool EmptyFrom(const GameState& s, int first)
{
    for (int k = first; k <= RouteRoom; ++k)
        if (s.Route[k].x != 0 || s.Route[k].y != 0)
            return false;
    return true;
}

// Two pillars in a ring of corridor.
const std::vector<std::string> Ring = {
    "#######", //
    "#.....#", //
    "#.#.#.#", //
    "#..@..#", //
    "#######", //
    "#######", //
    "#######", //
};

class RouteSearch : public PlayTest {};

TEST_F(RouteSearch, NeighbourOfTheTargetArrivesAtOnce)
{
    Load(Ring);
    ASSERT_TRUE(SearchRoute(s, 5, 4));
    EXPECT_EQ(RouteOf(s), (Path{{4, 4}, {5, 4}}));
    EXPECT_TRUE(EmptyFrom(s, 3));

    ASSERT_TRUE(SearchRoute(s, 4, 3));
    EXPECT_EQ(s.RouteLength, 2);
}

TEST_F(RouteSearch, DiagonalTargetNeedsACellBesideIt)
{
    Load(Ring);
    ASSERT_TRUE(SearchRoute(s, 5, 3)); // a pillar, diagonal to the player
    const Path p = RouteOf(s);
    ASSERT_GE(p.size(), 3u);
    EXPECT_EQ(p.back(), std::make_pair(5, 3));
    for (size_t k = 1; k < p.size(); ++k)
        EXPECT_EQ(std::abs(p[k].first - p[k - 1].first) + std::abs(p[k].second - p[k - 1].second), 1);
}

TEST_F(RouteSearch, RingIsWalkedTheLongWayRoundUnlessTheWindowCutsIt)
{
    Load(Ring);
    ASSERT_TRUE(SearchRoute(s, 6, 4));
    EXPECT_EQ(RouteOf(s),
              (Path{{4, 4}, {3, 4}, {2, 4}, {2, 3}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {6, 3}, {6, 4}}));
    EXPECT_TRUE(EmptyFrom(s, 12));

    s.ViewLeft = 3;
    ASSERT_TRUE(SearchRoute(s, 6, 4));
    EXPECT_EQ(RouteOf(s), (Path{{4, 4}, {5, 4}, {6, 4}}));
    EXPECT_TRUE(EmptyFrom(s, 4));
}

TEST_F(RouteSearch, DeadEndIsClearedAndStaleRecordsDoNotSurvive)
{
    Load({
        "#######", //
        "#..@..#", //
        "#######", //
        "#######", //
        "#######", //
        "#######", //
        "#######", //
    });
    // Leftovers of an earlier, longer route everywhere in the list.
    for (int k = 1; k <= RouteRoom; ++k)
        s.Route[k] = {9, 9, 0};
    ASSERT_TRUE(SearchRoute(s, 6, 2));
    EXPECT_EQ(RouteOf(s), (Path{{4, 2}, {5, 2}, {6, 2}}));
    EXPECT_TRUE(EmptyFrom(s, 4));
}

TEST_F(RouteSearch, PassesTheEntranceButNeitherHiddenRoadNorItems)
{
    Load({
        "#####", //
        "#@E.#", //
        "#~###", //
        "#.###", //
        "#####", //
    });
    ASSERT_TRUE(SearchRoute(s, 4, 3)); // beside (4, 2), through the entrance
    EXPECT_EQ(RouteOf(s), (Path{{2, 2}, {3, 2}, {4, 2}, {4, 3}}));

    EXPECT_FALSE(SearchRoute(s, 2, 5)); // only through the hidden road
    EXPECT_EQ(s.RouteLength, 0);
    EXPECT_EQ(s.RouteFound, 0);
    EXPECT_TRUE(EmptyFrom(s, 2));

    s.Maze[3][2] = CellItem;
    EXPECT_FALSE(SearchRoute(s, 4, 3));
}

TEST_F(RouteSearch, NeverLeavesTheMazeEvenWhenTheWindowReachesPastIt)
{
    Load({
        "...", //
        ".@.", //
        "...", //
    });
    s.ViewLeft = -2;
    s.ViewTop = -2;
    s.ViewRight = 5;
    s.ViewBottom = 5;
    EXPECT_FALSE(SearchRoute(s, 0, 4)); // the only ways round lie outside the maze
}

TEST_F(RouteSearch, OpenFullWindowStaysWithinTheListAndFinishesQuickly)
{
    // A 20 x 20 window of open floor: the longest routes the search can build.
    std::vector<std::string> rows(22, std::string(22, '.'));
    for (auto& r : rows)
        r.front() = r.back() = '#';
    rows.front() = rows.back() = std::string(22, '#');
    rows[1][1] = '@';
    Load(rows);
    const auto start = std::chrono::steady_clock::now();
    for (auto [tx, ty] : {std::pair{20, 20}, {2, 20}, {20, 2}, {11, 11}, {20, 21}}) {
        ASSERT_TRUE(SearchRoute(s, tx, ty)) << tx << "," << ty;
        EXPECT_LE(s.RouteLength, RouteRoom);
        const Path p = RouteOf(s);
        EXPECT_EQ(p.back(), std::make_pair(tx, ty));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

// The search in its plainest form, without cutting hopeless branches.
void PlainSearch(GameState& s, int x, int y, int tx, int ty, int n)
{
    if ((x - tx) * (x - tx) + (y - ty) * (y - ty) == 1) {
        s.RouteFound = 1;
        s.Route[n + 1] = {uint8_t(tx), uint8_t(ty), s.Route[n + 1].kind};
        s.RouteLength = n + 1;
    }
    if (s.RouteFound)
        return;
    const int next[4][3] = {{x - 1, y, x - 1 >= s.ViewLeft},
                            {x + 1, y, x + 1 <= s.ViewRight},
                            {x, y - 1, y - 1 >= s.ViewTop},
                            {x, y + 1, y + 1 <= s.ViewBottom}};
    for (const auto& nb : next) {
        if (s.RouteFound)
            return;
        bool onPath = false;
        for (int k = 1; k <= n; ++k)
            onPath = onPath || (s.Route[k].x == nb[0] && s.Route[k].y == nb[1]);
        const uint8_t v = s.Maze[nb[0]][nb[1]];
        if (onPath || !nb[2] || (v != CellRoad && v != CellEnter))
            continue;
        s.Route[n + 1] = {uint8_t(nb[0]), uint8_t(nb[1]), s.Route[n + 1].kind};
        PlainSearch(s, nb[0], nb[1], tx, ty, n + 1);
    }
    if (!s.RouteFound)
        s.Route[n + 1] = {0, 0, s.Route[n + 1].kind};
}

TEST_F(RouteSearch, SameRouteAsThePlainSearchInRandomMazes)
{
    SeedRandom(2024);
    for (int round = 0; round < 400; ++round) {
        std::vector<std::string> rows(9, std::string(9, '#'));
        for (int y = 2; y <= 8; ++y)
            for (int x = 2; x <= 8; ++x)
                rows[y - 1][x - 1] = Random(100) < 30 ? '#' : (Random(100) < 5 ? 'E' : '.');
        const int px = 2 + Random(7), py = 2 + Random(7);
        rows[py - 1][px - 1] = '@';
        Load(rows);
        s.ViewLeft = 1 + Random(3);
        s.ViewTop = 1 + Random(3);
        int tx = 2 + Random(7), ty = 2 + Random(7);
        if (tx == px && ty == py)
            continue;

        GameState plain = s;
        plain.Route = RouteList{};
        plain.Route[1] = {uint8_t(px), uint8_t(py), 0};
        plain.RouteFound = 0;
        plain.RouteLength = 0;
        PlainSearch(plain, px, py, tx, ty, 1);

        const bool found = SearchRoute(s, tx, ty);
        ASSERT_EQ(found, plain.RouteFound == 1) << "round " << round;
        ASSERT_EQ(s.RouteLength, plain.RouteLength) << "round " << round;
        for (int k = 1; k <= RouteRoom; ++k)
            ASSERT_EQ(s.Route[k], plain.Route[k]) << "round " << round << " record " << k;
    }
}

} // namespace
} // namespace zorbik::testing
