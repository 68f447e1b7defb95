#include "CellEvents.h"

#include "Announcements.h"

#include "desktop/FilledText.h"
#include "outside/GameOver.h"
#include "world/MazeGenerator.h"
#include "world/StartUp.h"

#include <QCoreApplication>

#include <algorithm>
#include <string>

namespace zorbik {

namespace {

constexpr int32_t LastMazeSize = 55; // a maze larger than this is the last level

// The last record of a list lying on (x, y), or 0 when none does.
int32_t RecordAt(const RecordList& list, int32_t count, int x, int y)
{
    int32_t found = 0;
    const int32_t n = std::clamp(count, 0, ListRoom);
    for (int32_t k = 1; k <= n; ++k)
        if (list[k].x == x && list[k].y == y)
            found = k;
    return found;
}

CellRecord RouteTarget(const GameState& s)
{
    if (s.RouteLength < 1 || s.RouteLength > RouteRoom)
        return CellRecord{};
    return s.Route[s.RouteLength];
}

} // namespace

std::string GameText(const char* english)
{
    return QCoreApplication::translate("Game", english).toStdString();
}

void TakePenalty(GameState& s)
{
    s.Score = std::max(s.Score - 1000, 0);
    s.Health -= 10;
}

bool EndIfHealthGone(GameState& s, Host& host)
{
    if (s.Health > 0)
        return false;
    GameOver(s, host);
    return true;
}

bool LoseQuestion(GameState& s, Host& host)
{
    TakePenalty(s);
    host.repaintHealthBar();
    return EndIfHealthGone(s, host);
}

int32_t TimeBonus(const GameState& s)
{
    const int k = s.MazeSize / 6;
    int32_t allowance = (k >= 0 && k < int(s.LevelTimeNorm.size())) ? s.LevelTimeNorm[k] : 0;
    if (s.HiddenMode())
        allowance *= 2;
    return std::max((allowance - s.LevelSeconds) * 25, 0);
}

bool CompleteLevel(GameState& s, Host& host)
{
    const int32_t bonus = TimeBonus(s);
    host.playSound("GAME21_SS01.WAV");
    host.informationDialog(Filled(QCoreApplication::translate("Game", LevelCompleteText), bonus));
    s.Score += bonus;
    if (s.MazeSize > LastMazeSize) {
        GameOver(s, host);
        return true;
    }
    s.MazeSize += 6;
    FitMazeView(s, s.WindowWidth, s.ClientHeight);
    host.placeMazeSurface();
    s.PlayerX = 2;
    s.PlayerY = 2;
    host.setCaption(Widget::TimeText,
                    Filled(QCoreApplication::translate("Game", "Time on %1 level:"), s.MazeSize / 6));
    GenerateLevel(s);
    AnnounceLevel(host, s.MazeSize);
    return false;
}

bool KnockAtDoor(GameState& s, Host& host)
{
    host.playSound("LockDoor.wav");
    if (!host.confirmDialog(GameText(LockedDoorText)))
        return false;
    host.playSound("Doorbell.wav");
    host.minimiseApp();
    if (host.askQuestion()) {
        host.playSound("Door.wav");
        // The door stays a door; the player stands on it and may leave it to
        // either side, but once off it, it asks again.
        const CellRecord door = RouteTarget(s);
        s.PlayerX = door.x;
        s.PlayerY = door.y;
        IncrementCounter(host, Widget::StaticText3);
        AnnounceDoorOpened(host);
    } else if (LoseQuestion(s, host)) {
        return true;
    }
    host.restoreApp();
    return false;
}

void PickUpItem(GameState& s, Host& host)
{
    s.Maze[s.PlayerX][s.PlayerY] = CellRoad;
    host.playSound("SF023_SS01.WAV");
    IncrementCounter(host, Widget::StaticText1);
    const int32_t k = RecordAt(s.ItemList, s.ItemCount, s.PlayerX, s.PlayerY);
    const uint8_t kind = k == 0 ? 0 : s.ItemList[k].kind;
    AnnouncePickUp(host, kind);
    if (k == 0)
        return;
    if (kind == Torch) {
        s.HasTorch = 1;
    } else if (kind == FirstAid) {
        if (s.Health < 100) {
            s.Health += 10;
            host.repaintHealthBar();
        }
    } else {
        s.Score += kind * 100;
    }
    RemoveRecord(s.ItemList, s.ItemCount, k);
}

bool FaceEnemy(GameState& s, Host& host)
{
    host.playSound("Be_eaten.wav");
    if (host.messageBox(GameText(BeEatenText), GameText(QuestionCaption), BeEatenFlags) == IdYes) {
        TakePenalty(s);
        if (EndIfHealthGone(s, host))
            return true;
        host.playSound("Moved.wav");
        host.messageBox(GameText(MovedText), GameText(InformationCaption), MovedFlags);
        s.PlayerX = 2;
        s.PlayerY = 2;
        host.repaintHealthBar();
        return false;
    }

    host.minimiseApp();
    if (host.askQuestion()) {
        IncrementCounter(host, Widget::StaticText2);
        AnnounceEnemyBeaten(host);
        const CellRecord enemy = RouteTarget(s);
        s.Maze[enemy.x][enemy.y] = CellRoad;
        const int32_t k = RecordAt(s.EnemyList, s.EnemyCount, enemy.x, enemy.y);
        if (k != 0)
            RemoveRecord(s.EnemyList, s.EnemyCount, k);
        s.PlayerX = enemy.x;
        s.PlayerY = enemy.y;
    } else if (LoseQuestion(s, host)) {
        return true;
    }
    host.restoreApp();
    return false;
}

} // namespace zorbik
