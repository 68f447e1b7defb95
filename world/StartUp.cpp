#include "StartUp.h"

#include "common/Programs.h"

#include <algorithm>

namespace zorbik {

std::string SuiteFolderOf(const std::string& exePath)
{
    std::string folder = FolderPart(exePath);
    if (!folder.empty())
        folder.pop_back();
    folder = FolderPart(folder);
    return folder.empty() ? std::string("/") : folder;
}

std::string ProgramPathOf(const std::string& argument0, const std::string& workingFolder,
                          const std::string& exePath)
{
    if (argument0.find('/') == std::string::npos)
        return exePath;
    if (argument0.front() == '/' || workingFolder.empty())
        return argument0;
    return PathIn(workingFolder, argument0);
}

std::string SuiteFolder(const GameState& s)
{
    return SuiteFolderOf(s.ProgramPath.empty() ? s.ExePath : s.ProgramPath);
}

std::string ExeFolderOf(const std::string& exePath)
{
    const std::string folder = FolderPart(exePath);
    return folder.empty() ? std::string("./") : folder;
}

bool HasFullCommandLine(int argc)
{
    return argc - 1 >= 4;
}

void FitMazeView(GameState& s, int windowWidth, int clientHeight)
{
    const int limit = std::min(s.MazeSize, MaxViewCells);
    int cols = std::min((windowWidth - SidePanelWidth) / CellSize, limit);
    int rows = std::min((clientHeight - 2) / CellSize, limit);
    cols = std::max(cols, 3);
    rows = std::max(rows, 3);
    s.PaintBoxWidth = cols * CellSize;
    s.PaintBoxHeight = rows * CellSize;
    s.PaintBoxTop = (clientHeight - 2 - s.PaintBoxHeight) / 2;
    s.PaintBoxLeft = (windowWidth - SidePanelWidth - s.PaintBoxWidth) / 2;
}

} // namespace zorbik
