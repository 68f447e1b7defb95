// The rules dialog, created after the main window and kept until the end:
// the rules of the game in a read-only text box and a button that closes it.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace zorbik {

class TDefBox : public QDialog {
    Q_OBJECT
  public:
    explicit TDefBox(QWidget* parent = nullptr);

    QPlainTextEdit* memo() const { return Memo1; }
    QPushButton* okButton() const { return OKBtn; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* OKBtn = nullptr;
};

} // namespace zorbik
