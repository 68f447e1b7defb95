// The launcher's box of accessibility options: three check boxes that start
// from the remembered choice.
#pragma once

#include "AccessibilityOptions.h"

#include <QGroupBox>

class QCheckBox;

namespace zorbik {

class AccessibilityBox : public QGroupBox {
    Q_OBJECT
  public:
    explicit AccessibilityBox(const AccessibilityChoice& start);
    AccessibilityChoice choice() const;

  signals:
    void changed();

  private:
    QCheckBox* colourBlindMap_ = nullptr;
    QCheckBox* highContrast_ = nullptr;
    QCheckBox* largerText_ = nullptr;
};

} // namespace zorbik
