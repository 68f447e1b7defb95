#include "LanguageBox.h"

#include "ShippedLanguages.h"

#include <QComboBox>
#include <QCoreApplication>

namespace zorbik {

QComboBox* MakeLanguageBox(const QString& current, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName("language");
    box->addItem(QCoreApplication::translate("Launcher", "The computer's language"), QString());
    // Each language under its own name, so that a pupil finds theirs whatever
    // the window speaks now.
    box->addItem(QStringLiteral("English"), QStringLiteral("en"));
    for (const ShippedLanguage& language : ShippedLanguages)
        box->addItem(QString::fromUtf8(language.name), QString::fromLatin1(language.code));
    const int at = box->findData(current);
    box->setCurrentIndex(at < 0 ? 0 : at);
    return box;
}

QString ChosenInBox(const QComboBox* box)
{
    return box->currentData().toString();
}

} // namespace zorbik
