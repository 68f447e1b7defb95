#include "LauncherOptions.h"

#include "PlayerName.h"
#include "ShippedLanguages.h"
#include "common/Protocol.h"
#include "common/QuestionCeiling.h"
#include "desktop/FilledText.h"
#include "settings/Settings.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace zorbik {

namespace {

constexpr const char* TopicWords[] = {"both", "lcm", "gcf", "fractions"};

std::optional<QuizTopicChoice> TopicFromWord(const QString& word)
{
    for (int i = 0; i < 4; ++i)
        if (word.compare(QLatin1String(TopicWords[i]), Qt::CaseInsensitive) == 0)
            return static_cast<QuizTopicChoice>(i);
    return std::nullopt;
}

// True when the player's settings can be used; once a run the player is told
// when they cannot, and nothing is remembered then.
bool PlayerSettingsUsable(const Settings& player)
{
    if (player.usable())
        return true;
    static bool told = false;
    if (!told)
        std::fprintf(stderr, "zorbik: %s\n",
                     Filled(QCoreApplication::translate(
                                "Launcher", "%1 is not a plain file; your choices are not remembered."),
                            player.fileName())
                         .c_str());
    told = true;
    return false;
}

LauncherOptions Refused(std::string why)
{
    LauncherOptions refused;
    refused.action = LauncherOptions::Action::Refuse;
    refused.text = std::move(why) + "\n" +
                   Filled(QCoreApplication::translate("Launcher", "Try 'zorbik --help' for the options."));
    return refused;
}

// --class-report DIR or --class-window DIR, alone but for --csv with the
// report (and the language and questions, which do no harm).
LauncherOptions ClassOptions(const QCommandLineParser& parser, const QCommandLineOption& which,
                             LauncherOptions options, bool mixed)
{
    if (mixed)
        return Refused("zorbik: " + Filled(QCoreApplication::translate(
                                        "Launcher", "--class-report and --class-window show the class and "
                                                    "start nothing; give one of them, and --csv only with "
                                                    "--class-report.")));
    options.classFolder = parser.value(which).toStdString();
    if (options.classFolder.empty())
        return Refused("zorbik: " + Filled(QCoreApplication::translate(
                                        "Launcher", "--class-report and --class-window need the class "
                                                    "folder: DIR.")));
    options.action = which.names().first() == "class-report" ? LauncherOptions::Action::ClassReport
                                                             : LauncherOptions::Action::ClassWindow;
    return options;
}

} // namespace

LauncherOptions ParseLauncherOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("Launcher", "Zorbik on the maze: a maze game with arithmetic questions.\n"
                                                "Without options the launcher opens its window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption play(
        "play", QCoreApplication::translate("Launcher",
                                            "Start the game at once, without the window (needs --name)."));
    const QCommandLineOption name("name", QCoreApplication::translate("Launcher", "The player's name."),
                                  "NAME");
    const QCommandLineOption topic(
        "topic",
        QCoreApplication::translate("Launcher", "The questions: both (LCM and GCF), lcm, gcf or fractions."),
        "TOPIC");
    const QCommandLineOption noSound("no-sound",
                                     QCoreApplication::translate("Launcher", "Play without sound."));
    const QCommandLineOption hidden(
        "hidden", QCoreApplication::translate("Launcher", "Keep the maze dark until explored."));
    const QCommandLineOption shared(
        "shared-folder",
        QCoreApplication::translate("Launcher", "Play in the classroom's shared playing folder DIR."), "DIR");
    const QCommandLineOption setUp(
        "set-up", QCoreApplication::translate(
                      "Launcher", "Lay out the classroom's shared folder (--shared-folder DIR or the "
                                  "system-wide setting) for its pupils and exit; for the folder's owner "
                                  "or root."));
    const QCommandLineOption questions(
        "questions",
        QCoreApplication::translate("Launcher",
                                    "The hardest questions: gentle, standard, challenging or a step from 0 "
                                    "to %1 (a teacher's ceiling still holds).")
            .arg(HighestDifficulty),
        "LEVEL");
    const QCommandLineOption report(
        "report",
        QCoreApplication::translate("Launcher", "Print the player's questions of the last games and exit."));
    const QCommandLineOption csv(
        "csv", QCoreApplication::translate("Launcher", "With --report: print one CSV row per game."));
    QStringList codes{QStringLiteral("en")};
    for (const ShippedLanguage& shipped : ShippedLanguages)
        codes << QString::fromLatin1(shipped.code);
    codes.sort();
    const QString lastCode = codes.takeLast();
    const QCommandLineOption language(
        "language",
        QCoreApplication::translate("Launcher",
                                    "The language of the launcher, the game and the quiz: %1 or %2.")
            .arg(codes.join(", "), lastCode),
        "CODE");
    const QCommandLineOption teacher(
        "teacher",
        QCoreApplication::translate("Launcher", "With --set-up: the group of the teachers who may read the "
                                                "class record."),
        "GROUP");
    const QCommandLineOption classReport(
        "class-report",
        QCoreApplication::translate("Launcher", "Print the class of the classroom folder DIR (its pupils' "
                                                "games, right answers and mistakes) and exit; for its "
                                                "teachers. With --csv: one CSV row per pupil."),
        "DIR");
    const QCommandLineOption classWindow(
        "class-window",
        QCoreApplication::translate("Launcher",
                                    "Show the class of the classroom folder DIR in a window, with charts."),
        "DIR");
    parser.addOptions({play, name, topic, noSound, hidden, shared, setUp, questions, report, csv, language,
                       classReport, classWindow});
    parser.addOption(teacher);

    if (!parser.parse(arguments))
        return Refused("zorbik: " + parser.errorText().toStdString());
    LauncherOptions options;
    if (parser.isSet(help) || parser.isSet("help-all")) {
        options.action = LauncherOptions::Action::Help;
        // The usage line names the program "zorbik" however it was started.
        QString text = parser.helpText();
        const QString started = QCoreApplication::instance() ? QCoreApplication::arguments().value(0)
                                                             : QString("<executable_name>");
        if (const qsizetype at = started.isEmpty() ? -1 : text.indexOf(started); at >= 0)
            text.replace(at, started.size(), "zorbik");
        options.text = text.toStdString();
        return options;
    }
    if (parser.isSet(version)) {
        options.action = LauncherOptions::Action::Version;
        options.text = std::string("zorbik ") + ZORBIK_VERSION + "\n";
        return options;
    }
    if (!parser.positionalArguments().isEmpty())
        return Refused("zorbik: " + Filled(QCoreApplication::translate("Launcher", "unexpected word '%1'."),
                                           parser.positionalArguments().first()));
    if (parser.isSet(name))
        options.name = parser.value(name).trimmed().toStdString();
    if (parser.isSet(topic)) {
        options.topic = TopicFromWord(parser.value(topic));
        if (!options.topic)
            return Refused("zorbik: " +
                           Filled(QCoreApplication::translate(
                                      "Launcher", "unknown topic '%1'; use both, lcm, gcf or fractions."),
                                  parser.value(topic)));
    }
    options.noSound = parser.isSet(noSound);
    options.hidden = parser.isSet(hidden);
    if (parser.isSet(shared)) {
        options.sharedFolder = parser.value(shared).toStdString();
        if (options.sharedFolder.empty() || options.sharedFolder.front() != '/')
            return Refused("zorbik: " + Filled(QCoreApplication::translate(
                                            "Launcher", "the shared folder must be given as a full path.")));
    }
    if (parser.isSet(questions)) {
        options.questions = parser.value(questions).trimmed().toStdString();
        if (!CeilingFromWord(*options.questions))
            return Refused("zorbik: " +
                           Filled(QCoreApplication::translate(
                                      "Launcher", "unknown question level '%1'; use gentle, standard, "
                                                  "challenging or a step from 0 to %2."),
                                  *options.questions, HighestDifficulty));
    }
    options.csv = parser.isSet(csv);
    if (parser.isSet(classReport) || parser.isSet(classWindow))
        return ClassOptions(parser, parser.isSet(classReport) ? classReport : classWindow, options,
                            parser.isSet(play) || parser.isSet(setUp) || parser.isSet(report) ||
                                (parser.isSet(classReport) && parser.isSet(classWindow)) ||
                                (options.csv && !parser.isSet(classReport)));
    if (options.csv && !parser.isSet(report))
        return Refused("zorbik: " +
                       Filled(QCoreApplication::translate("Launcher", "--csv goes with --report.")));
    if (parser.isSet(report)) {
        if (parser.isSet(play) || parser.isSet(setUp))
            return Refused("zorbik: " +
                           Filled(QCoreApplication::translate(
                               "Launcher", "--report prints the report and starts nothing; leave "
                                           "out --play and --set-up.")));
        options.action = LauncherOptions::Action::Report;
        return options;
    }
    if (parser.isSet(setUp)) {
        if (parser.isSet(play))
            return Refused("zorbik: " +
                           Filled(QCoreApplication::translate(
                               "Launcher", "--set-up lays out the classroom folder and starts no "
                                           "game; leave out --play.")));
        options.action = LauncherOptions::Action::SetUp;
    }
    if (parser.isSet(teacher)) {
        options.teacherGroup = parser.value(teacher).trimmed().toStdString();
        if (!parser.isSet(setUp) || options.teacherGroup.empty())
            return Refused("zorbik: " + Filled(QCoreApplication::translate(
                                            "Launcher", "--teacher GROUP goes with --set-up.")));
    }
    if (parser.isSet(play)) {
        if (!options.name || IsBlankName(*options.name))
            return Refused("zorbik: " + Filled(QCoreApplication::translate(
                                            "Launcher", "--play needs the player's name: --name NAME.")));
        options.action = LauncherOptions::Action::Play;
    }
    return options;
}

LaunchChoice DirectChoice(const LauncherOptions& options)
{
    LaunchChoice choice;
    choice.playerName = options.name.value_or("");
    choice.topic = options.topic.value_or(QuizTopicChoice::Both);
    choice.sound = !options.noSound;
    choice.hiddenMaze = options.hidden;
    return choice;
}

LaunchChoice RememberedChoice(const LauncherOptions& options)
{
    const Settings player(SettingsScope::Player);
    if (!PlayerSettingsUsable(player))
        return DirectChoice(options);
    LaunchChoice choice;
    choice.playerName = options.name.value_or(player.playerName().toStdString());
    choice.topic = options.topic.value_or(TopicFromWord(player.topicWord()).value_or(QuizTopicChoice::Both));
    choice.sound = !options.noSound && player.sound();
    choice.hiddenMaze = options.hidden || player.hiddenMaze();
    return choice;
}

void RememberChoice(const LaunchChoice& choice)
{
    Settings player(SettingsScope::Player);
    if (!PlayerSettingsUsable(player))
        return;
    player.setPlayerName(QString::fromStdString(choice.playerName));
    player.setTopicWord(TopicWords[static_cast<int>(choice.topic)]);
    player.setSound(choice.sound);
    player.setHiddenMaze(choice.hiddenMaze);
    player.sync();
}

std::string ClassroomFolder(const LauncherOptions& options)
{
    if (!options.sharedFolder.empty())
        return options.sharedFolder;
    const QString folder = Settings(SettingsScope::Class).sharedFolder();
    return folder.startsWith('/') ? folder.toStdString() : std::string();
}

} // namespace zorbik
