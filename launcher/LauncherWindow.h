// The host launcher: the player types a name and picks the question topic,
// sound and the hidden maze, then the game starts and the launcher waits
// until it ends.
#pragma once

#include <QProcess>
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zorbik {

class LauncherWindow : public QWidget {
    Q_OBJECT
  public:
    explicit LauncherWindow(QString suiteFolder);

    // Shows the window in the middle of the screen with the name ready to type.
    void showCentred();

  private:
    void startGame();
    void gameEnded();

    QString suiteFolder_;
    QLineEdit* name_ = nullptr;
    QButtonGroup* topic_ = nullptr;
    QCheckBox* sound_ = nullptr;
    QCheckBox* hidden_ = nullptr;
    QPushButton* play_ = nullptr;
    QProcess game_;
};

} // namespace zorbik
