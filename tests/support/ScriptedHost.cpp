#include "ScriptedHost.h"

namespace zorbik::testing {

ScriptedHost::ScriptedHost(GameState& state) : state_(state)
{
    for (Widget w : {Widget::StaticText1, Widget::StaticText2, Widget::StaticText3, Widget::ScoreBox})
        captions[w] = "0";
    captions[Widget::TimeBox] = "0 m 00 s";
    captions[Widget::TimeText] = "Time on 1 level";
}

int ScriptedHost::count(const std::string& prefix) const
{
    int n = 0;
    for (const auto& c : calls)
        n += c.rfind(prefix, 0) == 0;
    return n;
}

std::vector<std::string> ScriptedHost::sounds() const
{
    std::vector<std::string> out;
    for (const auto& c : calls)
        if (c.rfind("sound ", 0) == 0)
            out.push_back(c.substr(6));
    return out;
}

std::vector<int> ScriptedHost::sleeps() const
{
    std::vector<int> out;
    for (const auto& c : calls)
        if (c.rfind("sleep ", 0) == 0)
            out.push_back(std::stoi(c.substr(6)));
    return out;
}

std::string ScriptedHost::caption(Widget w) const
{
    auto it = captions.find(w);
    return it == captions.end() ? std::string() : it->second;
}

void ScriptedHost::setCaption(Widget w, const std::string& text)
{
    captions[w] = text;
}

void ScriptedHost::setVisible(Widget w, bool v)
{
    visible[w] = v;
}

void ScriptedHost::setEnabled(Widget w, bool e)
{
    enabled[w] = e;
}

void ScriptedHost::paintMaze()
{
    calls.push_back("paint");
    if (onPaintMaze)
        onPaintMaze();
}

void ScriptedHost::invalidateMaze()
{
    calls.push_back("invalidate");
}

void ScriptedHost::repaintHealthBar()
{
    calls.push_back("health");
}

void ScriptedHost::placeMazeSurface()
{
    calls.push_back("place " + std::to_string(state_.PaintBoxWidth) + "x" +
                    std::to_string(state_.PaintBoxHeight));
}

void ScriptedHost::sleepMs(int ms)
{
    calls.push_back("sleep " + std::to_string(ms));
}

void ScriptedHost::playSound(const std::string& fileName)
{
    calls.push_back("sound " + fileName);
}

void ScriptedHost::informationDialog(const std::string& text)
{
    calls.push_back("info " + text);
}

bool ScriptedHost::confirmDialog(const std::string& text)
{
    calls.push_back("confirm " + text);
    if (confirmAnswers.empty())
        return true;
    bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

int ScriptedHost::messageBox(const std::string& text, const std::string& caption, int flags)
{
    calls.push_back("box " + caption + "|" + text + "|" + std::to_string(flags));
    if (messageBoxAnswers.empty())
        return (flags & MbYesNo) ? IdNo : IdOk;
    int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

void ScriptedHost::minimiseApp()
{
    calls.push_back("minimise");
}

void ScriptedHost::restoreApp()
{
    calls.push_back("restore");
}

bool ScriptedHost::runQuiz(const std::string& program, const std::string& params)
{
    calls.push_back("question");
    quizProgram = program;
    quizParams = params;
    if (onQuestion)
        onQuestion();
    bool right = false;
    if (!quizVerdicts.empty()) {
        right = quizVerdicts.front();
        quizVerdicts.pop_front();
    }
    return right;
}

void ScriptedHost::enterGameOverWindow()
{
    calls.push_back("gameover-window");
}

void ScriptedHost::showGameOverTitle()
{
    calls.push_back("gameover-title");
}

void ScriptedHost::showCloseButton()
{
    calls.push_back("close-button");
}

void ScriptedHost::showMemo(int left, int top, int width, int height)
{
    calls.push_back("memo " + std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(width) +
                    "," + std::to_string(height));
    memoHeight = height;
}

void ScriptedHost::clearMemo()
{
    memo.clear();
}

void ScriptedHost::addMemoLine(const std::string& line)
{
    memo.push_back(line);
}

void ScriptedHost::setMemoHeight(int height)
{
    memoHeight = height;
}

void ScriptedHost::announce(const std::string& text)
{
    announcements.push_back(text);
}

void ScriptedHost::showRulesDialog()
{
    calls.push_back("rules");
}

void ScriptedHost::closeAndExit()
{
    calls.push_back("exit");
}

} // namespace zorbik::testing
