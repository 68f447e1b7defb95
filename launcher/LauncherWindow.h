// The host launcher: the player types a name and picks the question topic,
// sound and the hidden maze, then the game starts and the launcher waits
// until it ends.
#pragma once

#include "LauncherOptions.h"
#include "Summary.h"

#include <QWidget>

#include <sys/types.h>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace zorbik {

class AccessibilityBox;

class LauncherWindow : public QWidget {
    Q_OBJECT
  public:
    explicit LauncherWindow(const LauncherOptions& options);

    // Shows the window in the middle of the screen with the name ready to type.
    void showCentred();

  signals:
    // The player picked another language ("" for the computer's) in the window.
    void languageChosen(const QString& code);

  private:
    void startGame();
    void checkGame();
    void showNameNote();
    void colourNameNote();

    std::string classroomFolder_;
    QLineEdit* name_ = nullptr;
    QLabel* nameNote_ = nullptr;
    QButtonGroup* topic_ = nullptr;
    QCheckBox* sound_ = nullptr;
    QCheckBox* hidden_ = nullptr;
    AccessibilityBox* access_ = nullptr;
    QPushButton* play_ = nullptr;
    QTimer* waiting_ = nullptr;
    pid_t game_ = -1;
    JournalMark journal_; // where the journal ended when the game started
    std::string player_;
};

} // namespace zorbik
