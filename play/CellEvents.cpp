#include "CellEvents.h"

#include "Announcements.h"
#include "MazeRepaint.h"

#include "common/AssetNames.h"
#include "common/Protocol.h"
#include "desktop/FilledText.h"
#include "outside/GameOver.h"
#include "outside/QuizExchange.h"
#include "world/MazeGenerator.h"
#include "world/StartUp.h"

#include <QCoreApplication>

#include <algorithm>
#include <string>

namespace zorbik {

namespace {

constexpr int32_t LastMazeSize = 55; // a maze larger than this is the last level

// The play widgets the first level shows, in this order.
constexpr Widget ShownAtStart[] = {
    Widget::UpButton,  Widget::LeftButton, Widget::DownButton,  Widget::RightButton, Widget::URButton,
    Widget::DRButton,  Widget::ULButton,   Widget::DLButton,    Widget::Image1,      Widget::Image2,
    Widget::Image3,    Widget::Image4,     Widget::StaticText1, Widget::StaticText2, Widget::StaticText3,
    Widget::ScoreText, Widget::ScoreBox,   Widget::TimeText,    Widget::TimeBox,
};

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
    s.Score = std::max(s.Score - PenaltyPoints, 0);
    s.Health -= PenaltyHealth;
}

bool EndIfHealthGone(GameState& s, const Host& host)
{
    if (s.Health > 0)
        return false;
    GameOver(s, host);
    return true;
}

bool LoseQuestion(GameState& s, const Host& host)
{
    TakePenalty(s);
    host.panel.repaintHealthBar();
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

void StartFirstLevel(GameState& s, const Host& host)
{
    s.Score = 0;
    s.Health = 100;
    host.panel.setVisible(Widget::FinishButton, true);
    host.panel.setCaption(Widget::ScoreBox, std::to_string(s.Score));
    for (Widget w : ShownAtStart)
        host.panel.setVisible(w, true);
    s.Paused = 0;
    host.panel.setVisible(Widget::Label6, false);
    host.panel.setVisible(Widget::Label1, true);
    host.panel.setCaption(Widget::Label1, GameText(CtrlToMapHint));
    host.panel.setVisible(Widget::HealthText, true);
    s.MazeSize = 11;
    FitMazeView(s, s.WindowWidth, s.ClientHeight);
    host.panel.placeMazeSurface();
    s.PlayerX = 2;
    s.PlayerY = 2;
    GenerateLevel(s);
    PaintMazeNow(s, host);
    host.panel.repaintHealthBar();
}

bool CompleteLevel(GameState& s, const Host& host)
{
    const int32_t bonus = TimeBonus(s);
    host.sound.playSound(LevelCompleteSound);
    host.dialogs.informationDialog(Filled(QCoreApplication::translate("Game", LevelCompleteText), bonus));
    s.Score += bonus;
    if (s.MazeSize > LastMazeSize) {
        GameOver(s, host);
        return true;
    }
    s.MazeSize += 6;
    FitMazeView(s, s.WindowWidth, s.ClientHeight);
    host.panel.placeMazeSurface();
    s.PlayerX = 2;
    s.PlayerY = 2;
    host.panel.setCaption(Widget::TimeText,
                          Filled(QCoreApplication::translate("Game", "Time on %1 level:"), s.MazeSize / 6));
    GenerateLevel(s);
    AnnounceLevel(host, s.MazeSize);
    return false;
}

bool KnockAtDoor(GameState& s, const Host& host)
{
    host.sound.playSound(LockedDoorSound);
    if (!host.dialogs.confirmDialog(GameText(LockedDoorText)))
        return false;
    host.sound.playSound(DoorbellSound);
    host.life.minimiseApp();
    if (AskQuestion(s, host.quiz)) {
        host.sound.playSound(DoorOpensSound);
        // The door stays a door; the player stands on it and may leave it to
        // either side, but once off it, it asks again.
        const CellRecord door = RouteTarget(s);
        s.PlayerX = door.x;
        s.PlayerY = door.y;
        IncrementCounter(host.panel, Widget::StaticText3);
        AnnounceDoorOpened(host);
    } else if (LoseQuestion(s, host)) {
        return true;
    }
    host.life.restoreApp();
    return false;
}

void PickUpItem(GameState& s, const Host& host)
{
    s.Maze[s.PlayerX][s.PlayerY] = CellRoad;
    host.sound.playSound(PickUpSound);
    IncrementCounter(host.panel, Widget::StaticText1);
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
            host.panel.repaintHealthBar();
        }
    } else {
        s.Score += kind * 100;
    }
    RemoveRecord(s.ItemList, s.ItemCount, k);
}

Meeting MeetEnemy(GameState& s, const Host& host, CellRecord at, int32_t k, CellRecord cameFrom)
{
    const auto enemyStays = [&] {
        if (k == 0)
            return;
        s.EnemyList[k].x = cameFrom.x;
        s.EnemyList[k].y = cameFrom.y;
    };
    host.sound.playSound(BeEatenSound);
    if (host.dialogs.messageBox(GameText(BeEatenText), GameText(QuestionCaption), BeEatenFlags) == IdYes) {
        enemyStays();
        TakePenalty(s);
        if (EndIfHealthGone(s, host))
            return Meeting::GameEnded;
        host.sound.playSound(MovedSound);
        host.dialogs.messageBox(GameText(MovedText), GameText(InformationCaption), MovedFlags);
        s.PlayerX = 2;
        s.PlayerY = 2;
        host.panel.repaintHealthBar();
        return Meeting::EnemyStays;
    }

    host.life.minimiseApp();
    if (AskQuestion(s, host.quiz)) {
        IncrementCounter(host.panel, Widget::StaticText2);
        AnnounceEnemyBeaten(host);
        s.Maze[at.x][at.y] = CellRoad;
        if (k != 0)
            RemoveRecord(s.EnemyList, s.EnemyCount, k);
        s.PlayerX = at.x;
        s.PlayerY = at.y;
        host.life.restoreApp();
        return Meeting::EnemyBeaten;
    }
    enemyStays();
    if (LoseQuestion(s, host))
        return Meeting::GameEnded;
    host.life.restoreApp();
    return Meeting::EnemyStays;
}

bool FaceEnemy(GameState& s, const Host& host)
{
    const CellRecord enemy = RouteTarget(s);
    const int32_t k = LastRecordAt(s.EnemyList, s.EnemyCount, enemy.x, enemy.y);
    return MeetEnemy(s, host, enemy, k, enemy) == Meeting::GameEnded;
}

} // namespace zorbik
