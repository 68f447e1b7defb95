// The pupil's language for the launcher, the game and the quiz: Qt's own
// words (OK, Cancel, Yes, No) and the suite's, loaded from the translation
// files (zorbik_<language>.qm) of the suite's "translations" folder.
#pragma once

#include "common/Protocol.h"

#include <QString>
#include <QStringList>

namespace zorbik {

// The folders a program looks in for its translations, first match wins:
// the launcher's (TranslationsFolderVariable), then "translations" in, above and
// (installed) in lib/zorbik/ from the program's own folder.
QStringList TranslationFolders(const QString& programFolder);

// Right after the application object is made: installs the translations of
// `language`, or when that is empty of the first language the system asks
// for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads them) that the suite
// has, in place of those installed before. English, C and POSIX, or a
// language without a translation, keep the English texts. Returns the
// language loaded, or an empty string for English.
QString LoadTranslations(const QString& language = {});

} // namespace zorbik
