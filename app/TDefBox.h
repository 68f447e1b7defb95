// The rules dialog, created after the main window and kept until the end:
// the rules of the game in a read-only text box and a button that closes it.
// With larger text the dialog and its letters are half as large again.
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
    int scaled(int pixels) const { return int(pixels * scale_ + 0.5); }
    QSize fullSize() const { return {scaled(541), scaled(598)}; }

    double scale_ = 1.0;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* OKBtn = nullptr;
};

} // namespace zorbik
