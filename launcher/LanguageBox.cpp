#include "LanguageBox.h"

#include <QComboBox>
#include <QCoreApplication>

namespace zorbik {

namespace {

// Each language under its own name, so that a pupil finds theirs whatever
// the window speaks now.
constexpr const char* Languages[][2] = {
    {"en", "English"},
    {"de", "Deutsch"},
    {"es", "Español"},
    {"fr", "Français"},
    {"pt_BR", "Português (Brasil)"},
    {"ru", "Русский"},
};

} // namespace

QComboBox* MakeLanguageBox(const QString& current, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName("language");
    box->addItem(QCoreApplication::translate("Launcher", "The computer's language"), QString());
    for (const auto& language : Languages)
        box->addItem(QString::fromUtf8(language[1]), QString::fromLatin1(language[0]));
    const int at = box->findData(current);
    box->setCurrentIndex(at < 0 ? 0 : at);
    return box;
}

QString ChosenInBox(const QComboBox* box)
{
    return box->currentData().toString();
}

} // namespace zorbik
