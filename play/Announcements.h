// What the game tells a screen reader as it happens: a pick-up, an opened
// door, a beaten enemy, a new level and each minute of the level clock. The
// window passes the sentence on (nothing is drawn); the scripted host keeps it.
#pragma once

#include "world/Host.h"

#include <cstdint>

namespace zorbik {

void AnnouncePickUp(const Host& host, uint8_t itemKind);
void AnnounceDoorOpened(const Host& host);
void AnnounceEnemyBeaten(const Host& host);
void AnnounceLevel(const Host& host, int32_t mazeSize);
// Only on a whole minute of the level clock.
void AnnounceMinute(const Host& host, int32_t levelSeconds);

} // namespace zorbik
