// The rules dialog, created after the main window and kept until the end.
#pragma once

#include <QDialog>

namespace zorbik {

class TDefBox : public QDialog {
    Q_OBJECT
public:
    explicit TDefBox(QWidget* parent = nullptr);
};

} // namespace zorbik
