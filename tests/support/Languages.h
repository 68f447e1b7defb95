// The suite's languages in the tests: English ("") and every shipped one,
// and one language's translations installed in the test program for as long
// as it is in scope.
#pragma once

#include "ShippedLanguages.h"

#include <QCoreApplication>
#include <QTranslator>

#include <string>
#include <vector>

namespace zorbik::testing {

inline const std::vector<std::string> AllLanguages = [] {
    std::vector<std::string> all{""};
    for (const ShippedLanguage& language : ShippedLanguages)
        all.emplace_back(language.code);
    return all;
}();

class ScopedLanguage {
  public:
    explicit ScopedLanguage(const std::string& language)
    {
        if (!language.empty())
            installed_ = translator_.load(QString::fromStdString("zorbik_" + language),
                                          QStringLiteral(ZORBIK_SUITE_DIR "/translations")) &&
                         QCoreApplication::installTranslator(&translator_);
    }
    ~ScopedLanguage()
    {
        if (installed_)
            QCoreApplication::removeTranslator(&translator_);
    }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;
    bool installed() const { return installed_; }

  private:
    QTranslator translator_;
    bool installed_ = false;
};

} // namespace zorbik::testing
