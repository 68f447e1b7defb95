#include "TDefBox.h"

namespace zorbik {

TDefBox::TDefBox(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("The Rules");
    setFixedSize(541, 598);
}

} // namespace zorbik
