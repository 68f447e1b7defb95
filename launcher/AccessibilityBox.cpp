#include "AccessibilityBox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QVBoxLayout>

namespace zorbik {

AccessibilityBox::AccessibilityBox(const AccessibilityChoice& start)
    : QGroupBox(QCoreApplication::translate("Launcher", "Seeing and reading"))
{
    setObjectName("accessibility");
    auto* layout = new QVBoxLayout(this);
    const auto add = [this, layout](QCheckBox*& box, const QString& text, const QString& description,
                                    bool on) {
        box = new QCheckBox(text);
        box->setAccessibleDescription(description);
        box->setChecked(on);
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &AccessibilityBox::changed);
    };
    add(colourBlindMap_, QCoreApplication::translate("Launcher", "Map for colour-blind eyes"),
        QCoreApplication::translate("Launcher", "The map uses colours that stay apart for colour-blind eyes, "
                                                "with a shape on every kind of cell."),
        start.colourBlindMap);
    add(highContrast_, QCoreApplication::translate("Launcher", "High contrast"),
        QCoreApplication::translate("Launcher", "Darker, clearer texts beside the maze."),
        start.highContrast);
    add(largerText_, QCoreApplication::translate("Launcher", "Larger text and buttons"),
        QCoreApplication::translate("Launcher", "Texts and buttons beside the maze half as large again."),
        start.largerText);
}

AccessibilityChoice AccessibilityBox::choice() const
{
    return {colourBlindMap_->isChecked(), highContrast_->isChecked(), largerText_->isChecked()};
}

} // namespace zorbik
