// The suite in every language: the real game, quiz and launcher started
// under each locale show their main texts translated (English exactly as
// before under LANG=C), and the launcher's window fits every text.
#include "tests/support/Languages.h"
#include "launcher/LanguageBox.h"
#include "launcher/LauncherWindow.h"
#include "tests/support/GameProcess.h"
#include "tests/support/TempFolder.h"

#include <QComboBox>
#include <QProcess>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace zorbik {
namespace {

namespace fs = std::filesystem;

struct Expected {
    std::string language;   // "" for LANG=C
    std::string timeText;   // the side panel's clock caption
    std::string exitDialog; // the EXIT button's question
    std::string question;   // the start of an LCM question
    std::string wrong;      // the start of the feedback on a wrong answer
    std::string help;       // the launcher's --help: its own line, then Qt's
    std::string qtHelp;     // Qt's own word for "Usage:"
};

const Expected Languages[] = {
    {"", "Time on 1 level", "dialog Confirm exit|Are You sure You want to exit?",
     "What is the least common multiple (LCM) of ", "Not quite. The answer is ",
     "Zorbik on the maze: a maze game with arithmetic questions.", "Usage: "},
    {"de", "Zeit auf Stufe 1", "dialog Spiel beenden|Willst du das Spiel wirklich beenden?",
     "Was ist das kleinste gemeinsame Vielfache (kgV) von ", "Nicht ganz. Die Antwort ist ",
     "Zorbik im Labyrinth: ein Labyrinthspiel mit Rechenfragen.", "Aufruf: "},
    {"es", "Tiempo nivel 1", "dialog Salir del juego|¿Seguro que quieres salir?",
     "¿Cuál es el mínimo común múltiplo (mcm) de ", "Esta vez no. La respuesta es ",
     "Zorbik en el laberinto: un juego de laberinto con preguntas de cálculo.", "Uso: "},
    {"fr", "Temps niveau 1", "dialog Quitter le jeu|Veux-tu vraiment quitter le jeu\u00a0?",
     "Quel est le plus petit commun multiple (PPCM) de ", "Pas tout à fait. La réponse est ",
     "Zorbik dans le labyrinthe\u00a0: un jeu de labyrinthe avec des questions de calcul.", "Utilisation : "},
    {"pt_BR", "Tempo na fase 1", "dialog Sair do jogo|Quer mesmo sair do jogo?",
     "Qual é o mínimo múltiplo comum (MMC) de ", "Não foi dessa vez. A resposta é ",
     "Zorbik no labirinto: um jogo de labirinto com perguntas de contas.", "Uso: "},
    {"ru", "Время уровня 1", "dialog Выход из игры|Ты точно хочешь выйти из игры?",
     "Чему равно наименьшее общее кратное (НОК) чисел ",
     "Не совсем. Ответ: ", "Зорбик в лабиринте: игра-лабиринт с вопросами по арифметике.", "Использование: "},
};

bool Has(const std::vector<std::string>& lines, const std::string& wanted)
{
    for (const std::string& line : lines)
        if (line.find(wanted) != std::string::npos)
            return true;
    return false;
}

// The programs' language for the rest of the test: LANG=C with LANGUAGE, as
// the launcher hands it on, and the build's translations.
void UseLanguage(const std::string& language)
{
    ::setenv("LANG", "C", 1);
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    if (language.empty())
        ::unsetenv("LANGUAGE");
    else
        ::setenv("LANGUAGE", language.c_str(), 1);
    ::setenv("ZORBIK_TRANSLATIONS", ZORBIK_SUITE_DIR "/translations", 1);
}

TEST(Languages, TheGameTheQuizAndTheLauncherSpeakEachLanguage)
{
    const testing::TempFolder temp("zorbik-languages");
    fs::copy_file(fs::path(ZORBIK_SUITE_DIR) / "Quiz" / "quiz", temp.dir / "quiz");
    for (const Expected& e : Languages) {
        SCOPED_TRACE(e.language.empty() ? "C" : e.language);
        UseLanguage(e.language);

        testing::GameProcess game((temp.dir / ("game-" + e.language)).string());
        ASSERT_TRUE(game.start({"Quiz/fake_quiz", "BOTH", "NOSOUND", "SHOWN"}, {"ZORBIK_TEST_DRIVER=1"}));
        const testing::GameDump shown = game.dump();
        ASSERT_GE(shown.captions.size(), 3u);
        EXPECT_EQ(shown.captions[2], e.timeText);
        game.send("answer no");
        EXPECT_TRUE(Has(game.send("finish"), e.exitDialog));
        game.closeInput();
        game.wait(10000);

        testing::DrivenProgram quiz;
        std::vector<std::string> env{"ZORBIK_TEST_DRIVER=1", "ZORBIK_NO_AUDIO=1"};
        for (char** v = environ; *v; ++v)
            env.emplace_back(*v);
        ASSERT_TRUE(quiz.start({temp.at("quiz"), "LCM", "0", "NOSOUND"}, env));
        EXPECT_TRUE(Has(quiz.send("question"), "question " + e.question));
        quiz.send("type 1");
        quiz.send("key Return");
        EXPECT_TRUE(Has(quiz.send("message"), "message " + e.wrong));
        quiz.closeInput();
        quiz.wait(10000);

        QProcess launcher;
        launcher.start(ZORBIK_SUITE_DIR "/zorbik", {"--help"});
        ASSERT_TRUE(launcher.waitForFinished(10000));
        const std::string help = launcher.readAllStandardOutput().toStdString();
        EXPECT_NE(help.find(e.help), std::string::npos) << help;
        EXPECT_NE(help.find(e.qtHelp), std::string::npos) << help;
    }
}

// The launcher's language: --language over the player's remembered choice,
// that over the teacher's class-wide one, that over the system's; what it
// chose is what its --help speaks (and what it hands on as LANGUAGE).
TEST(Languages, TheLauncherChoosesCommandLineThenRememberedThenClassWideThenSystem)
{
    const testing::TempFolder temp("zorbik-language-choice");
    testing::Put(temp.dir / "teacher" / "zorbik" / "zorbik.conf", "[General]\nlanguage=de\n");
    testing::Put(temp.dir / "player" / "zorbik" / "zorbik.conf", "[General]\nlanguage=fr\n");
    const struct {
        const char* system;
        bool teacher, player;
        QStringList words;
        std::string usage;
    } cases[] = {
        {"", false, false, {}, "Usage: "},
        {"es", false, false, {}, "Uso: "},
        {"es", true, false, {}, "Aufruf: "},
        {"es", true, true, {}, "Utilisation : "},
        {"es", true, true, {"--language", "ru"}, "Использование: "},
        {"ru", true, true, {"--language=en"}, "Usage: "},
    };
    for (const auto& c : cases) {
        UseLanguage(c.system);
        QProcess launcher;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_DIRS",
                   QString::fromStdString(c.teacher ? temp.at("teacher") : temp.at("none")));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(c.player ? temp.at("player") : temp.at("none")));
        launcher.setProcessEnvironment(env);
        launcher.start(ZORBIK_SUITE_DIR "/zorbik", c.words + QStringList{"--help"});
        ASSERT_TRUE(launcher.waitForFinished(10000));
        EXPECT_EQ(launcher.readAllStandardOutput().toStdString().rfind(c.usage, 0), 0u)
            << c.system << " " << c.teacher << c.player << " " << c.words.join(' ').toStdString();
    }
}

// The launcher's window takes the width its texts need, which on the
// smallest screen the suite supports (1024 x 768) is at most two thirds of
// it: there every label and button shows its whole text, and no translation
// makes the window taller than the English one.
TEST(Languages, TheLauncherWindowFitsEveryLanguage)
{
    const testing::TempFolder temp("zorbik-language-window");
    ::setenv("XDG_CONFIG_HOME", temp.at("config").c_str(), 1);
    int englishHeight = 0;
    for (const std::string& language : testing::AllLanguages) {
        const testing::ScopedLanguage chosen(language);
        LauncherWindow window({});
        const QSize needed = window.sizeHint();
        if (language.empty())
            englishHeight = needed.height();
        EXPECT_LE(needed.width(), 1024 * 2 / 3) << language;
        EXPECT_LE(needed.height(), englishHeight) << language;
    }
}

// The one list of languages reaches every place: each listed language has its
// translations' source and its built translations, the launcher's box offers
// English and then each in the list's order, and no translations' source lies
// outside the list.
TEST(Languages, EveryListedLanguageIsTranslatedAndOfferedAndNoOther)
{
    const std::unique_ptr<QComboBox> box(MakeLanguageBox({}));
    ASSERT_EQ(box->count(), 2 + static_cast<int>(std::size(ShippedLanguages)));
    EXPECT_EQ(box->itemData(1).toString(), "en");
    std::vector<std::string> listed;
    for (const ShippedLanguage& language : ShippedLanguages) {
        const std::string code = language.code;
        EXPECT_EQ(box->itemData(2 + static_cast<int>(listed.size())).toString().toStdString(), code);
        EXPECT_EQ(box->itemText(2 + static_cast<int>(listed.size())).toStdString(), language.name);
        EXPECT_TRUE(
            fs::is_regular_file(fs::path(ZORBIK_SUITE_DIR) / "translations" / ("zorbik_" + code + ".qm")))
            << code;
        listed.push_back(code);
    }
    std::vector<std::string> sources;
    for (const auto& entry : fs::directory_iterator(fs::path(ZORBIK_SOURCE_DIR) / "translations")) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("zorbik_") && name.ends_with(".ts"))
            sources.push_back(name.substr(7, name.size() - 10));
    }
    std::sort(listed.begin(), listed.end());
    std::sort(sources.begin(), sources.end());
    EXPECT_EQ(sources, listed);
}

} // namespace
} // namespace zorbik
