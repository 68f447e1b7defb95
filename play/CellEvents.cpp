#include "CellEvents.h"

#include "Announcements.h"

#include "common/AssetNames.h"
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
    host.playSound(LevelCompleteSound);
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
    host.playSound(LockedDoorSound);
    if (!host.confirmDialog(GameText(LockedDoorText)))
        return false;
    host.playSound(DoorbellSound);
    host.minimiseApp();
    if (host.askQuestion()) {
        host.playSound(DoorOpensSound);
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
    host.playSound(PickUpSound);
    IncrementCounter(host, Widget::StaticText1);
    const int32_t k = LastRecordAt(s.ItemList, s.ItemCount, s.PlayerX, s.PlayerY);
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
    host.playSound(BeEatenSound);
    if (host.messageBox(GameText(BeEatenText), GameText(QuestionCaption), BeEatenFlags) == IdYes) {
        TakePenalty(s);
        if (EndIfHealthGone(s, host))
            return true;
        host.playSound(MovedSound);
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
        const int32_t k = LastRecordAt(s.EnemyList, s.EnemyCount, enemy.x, enemy.y);
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
