// A host that hands every request to another one: the base for a host that
// stands between the game's routines and the window and changes a few of
// its answers (the test driver scripts the dialogs this way).
#pragma once

#include "world/Host.h"

namespace zorbik {

class ForwardingHost : public Host {
  public:
    explicit ForwardingHost(Host& inner) : inner_(inner) {}

    std::string caption(Widget w) const override { return inner_.caption(w); }
    void setCaption(Widget w, const std::string& text) override { inner_.setCaption(w, text); }
    void setVisible(Widget w, bool visible) override { inner_.setVisible(w, visible); }
    void setEnabled(Widget w, bool enabled) override { inner_.setEnabled(w, enabled); }
    void paintMaze() override { inner_.paintMaze(); }
    void invalidateMaze() override { inner_.invalidateMaze(); }
    void repaintHealthBar() override { inner_.repaintHealthBar(); }
    void placeMazeSurface() override { inner_.placeMazeSurface(); }
    void sleepMs(int ms) override { inner_.sleepMs(ms); }
    void playSound(const std::string& fileName) override { inner_.playSound(fileName); }
    void informationDialog(const std::string& text) override { inner_.informationDialog(text); }
    bool confirmDialog(const std::string& text) override { return inner_.confirmDialog(text); }
    int messageBox(const std::string& text, const std::string& caption, int flags) override
    {
        return inner_.messageBox(text, caption, flags);
    }
    void minimiseApp() override { inner_.minimiseApp(); }
    void restoreApp() override { inner_.restoreApp(); }
    bool askQuestion() override { return inner_.askQuestion(); }
    void enterGameOverWindow() override { inner_.enterGameOverWindow(); }
    void showGameOverTitle() override { inner_.showGameOverTitle(); }
    void showCloseButton() override { inner_.showCloseButton(); }
    void showMemo(int left, int top, int width, int height) override
    {
        inner_.showMemo(left, top, width, height);
    }
    void clearMemo() override { inner_.clearMemo(); }
    void addMemoLine(const std::string& line) override { inner_.addMemoLine(line); }
    void setMemoHeight(int height) override { inner_.setMemoHeight(height); }
    void announce(const std::string& text) override { inner_.announce(text); }
    void showRulesDialog() override { inner_.showRulesDialog(); }
    void closeAndExit() override { inner_.closeAndExit(); }

  private:
    Host& inner_;
};

} // namespace zorbik
