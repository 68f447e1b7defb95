// The names of the pictures and sounds as they lie on disk: the game's
// pictures in Images/ and its sounds in Sounds/ beside the game, the quiz's
// sounds in Sounds/ beside the quiz. The game, the quiz and the asset maker
// use them by these names, and the build reads this file to know which files
// the asset maker writes: every name is one line
//     inline constexpr char <Name>Picture[] = "<file>";
// (or <Name>Sound, or <Name>QuizSound for the quiz's sounds).
#pragma once

#include <array>

namespace zorbik {

// The sixteen cell pictures of the maze view.
inline constexpr char RoadPicture[] = "Road.bmp";
inline constexpr char BrickPicture[] = "Brick.bmp";
inline constexpr char EnterPicture[] = "Enter.bmp";
inline constexpr char ExitPicture[] = "Exit.bmp";
inline constexpr char DoorPicture[] = "Door.bmp";
inline constexpr char GoldPicture[] = "Gold.bmp";
inline constexpr char MoneyPicture[] = "Money.bmp";
inline constexpr char DiamondPicture[] = "Diamond.bmp";
inline constexpr char TorchPicture[] = "Torch.bmp";
inline constexpr char FirstAidPicture[] = "FirstAid.bmp";
inline constexpr char HarePicture[] = "Hare.bmp";
inline constexpr char WolfPicture[] = "Wolf.bmp";
inline constexpr char FoxPicture[] = "Fox.bmp";
inline constexpr char BearPicture[] = "Bear.bmp";
inline constexpr char MePicture[] = "Me.bmp";
inline constexpr char OutsidePicture[] = "Outside.bmp";
// The face in the middle of the direction pad.
inline constexpr char FacePicture[] = "happy_face.bmp";

// The cell pictures in the order the game loads them.
inline constexpr std::array<const char*, 16> CellBitmapFiles{
    RoadPicture,  BrickPicture,   EnterPicture, ExitPicture,     DoorPicture, GoldPicture,
    MoneyPicture, DiamondPicture, TorchPicture, FirstAidPicture, HarePicture, WolfPicture,
    FoxPicture,   BearPicture,    MePicture,    OutsidePicture};

// The game's sounds, one for each event that plays one.
inline constexpr char LevelCompleteSound[] = "GAME21_SS01.WAV";
inline constexpr char LockedDoorSound[] = "LockDoor.wav";
inline constexpr char DoorbellSound[] = "Doorbell.wav";
inline constexpr char DoorOpensSound[] = "Door.wav";
inline constexpr char PickUpSound[] = "SF023_SS01.WAV";
inline constexpr char BeEatenSound[] = "Be_eaten.wav";
inline constexpr char MovedSound[] = "Moved.wav";

inline constexpr std::array<const char*, 7> GameSoundFiles{LevelCompleteSound, LockedDoorSound, DoorbellSound,
                                                           DoorOpensSound,     PickUpSound,     BeEatenSound,
                                                           MovedSound};

// The quiz's sounds after a right and after a wrong answer.
inline constexpr char RightAnswerQuizSound[] = "Right.wav";
inline constexpr char WrongAnswerQuizSound[] = "Wrong.wav";

} // namespace zorbik
