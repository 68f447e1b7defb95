#include "QuizLogic.h"

#include "AnswerReading.h"
#include "Mistakes.h"

#include "common/Programs.h"
#include "common/SafeFiles.h"
#include "desktop/FilledText.h"
#include "journal/Journal.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <numeric>
#include <unistd.h>

namespace zorbik::quiz {

namespace {

std::string Trim(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// A whole number of at most nine digits with an optional minus.
bool ParseWhole(const std::string& text, int64_t& value)
{
    const std::string t = Trim(text);
    size_t i = t.size() > 0 && t[0] == '-' ? 1 : 0;
    if (i == t.size() || t.size() - i > 9)
        return false;
    int64_t v = 0;
    for (; i < t.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(t[i])))
            return false;
        v = v * 10 + (t[i] - '0');
    }
    value = t[0] == '-' ? -v : v;
    return true;
}

} // namespace

QuizArgs ParseArgs(int argc, const char* const* argv)
{
    QuizArgs args;
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i)
        words.emplace_back(argv[i] ? argv[i] : "");
    // The difficulty is the first number; a topic word, if any, comes before it.
    size_t number = 0;
    int64_t value = 0;
    while (number < words.size() && !ParseWhole(words[number], value))
        ++number;
    if (number < words.size())
        args.difficulty = static_cast<int>(std::clamp<int64_t>(value, 0, HighestDifficulty));
    const size_t topicWords = number < words.size() ? number : std::min<size_t>(words.size(), 1);
    std::string topic;
    for (size_t i = 0; i < topicWords; ++i)
        topic += (i ? " " : "") + words[i];
    std::string upper = topic;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper.empty() || upper == TopicFractions)
        args.topics = {Topic::Fractions};
    else if (upper == TopicLcm)
        args.topics = {Topic::Lcm};
    else if (upper == TopicGcf)
        args.topics = {Topic::Gcf};
    else if (upper == TopicBoth)
        args.topics = {Topic::Lcm, Topic::Gcf};
    else {
        args.topics = {Topic::Lcm, Topic::Gcf, Topic::Fractions};
        args.unknownTopic = topic.substr(0, 40);
    }
    for (size_t i = topicWords; i < words.size(); ++i) {
        if (words[i] == SoundOffWord)
            args.sound = false;
    }
    return args;
}

std::mt19937 SeededGenerator()
{
    std::random_device device;
    const auto now = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const auto ticks = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq seeds{device(),
                        device(),
                        device(),
                        device(),
                        static_cast<unsigned>(now),
                        static_cast<unsigned>(now >> 32),
                        static_cast<unsigned>(ticks),
                        static_cast<unsigned>(getpid())};
    return std::mt19937(seeds);
}

bool DecimalComma()
{
    //: The sign between the whole part and the rest of a decimal number, as
    //: pupils write it in this language: "," or ".".
    return Filled(QCoreApplication::translate("Quiz", ".", "decimal sign")) == ",";
}

Check CheckAnswer(const Question& q, const std::string& typed)
{
    const TypedAnswer a = ReadTypedAnswer(typed, DecimalComma());
    switch (a.kind) {
    case TypedAnswer::Unreadable:
        return Check::Unreadable;
    case TypedAnswer::Decimal:
        return Check::Decimal;
    case TypedAnswer::Negative:
        return Check::Negative;
    case TypedAnswer::Number:
        break;
    }
    if (a.hasFraction && q.topic != Topic::Fractions)
        return Check::Unreadable; // a whole number is asked for
    if (a.value.p * q.answer.q != q.answer.p * a.value.q)
        return Check::Wrong;
    if (q.lowestTermsOnly && a.hasFraction && std::gcd(a.top, a.bottom) > 1)
        return Check::NotLowest;
    return Check::Right;
}

std::string RetypeAdvice(const Question& q, const std::string& typed)
{
    const TypedAnswer a = ReadTypedAnswer(typed, DecimalComma());
    const bool whole = q.topic != Topic::Fractions;
    switch (a.kind) {
    case TypedAnswer::Negative:
        return Filled(QCoreApplication::translate(
            "Quiz", "No answer here is below zero: type it without the minus sign."));
    case TypedAnswer::Decimal:
        if (whole)
            return Filled(
                QCoreApplication::translate("Quiz", "Type a whole number, without a decimal point."));
        if (a.value.q == 1)
            return Filled(QCoreApplication::translate("Quiz", "Write %1 as a fraction: %2."), a.text,
                          FractionText(a.value));
        if (a.value.p > a.value.q)
            return Filled(QCoreApplication::translate("Quiz", "Write %1 as a fraction: %2 or %3."), a.text,
                          FractionText(a.value), MixedText(a.value));
        return Filled(QCoreApplication::translate("Quiz", "Write %1 as a fraction, like %2."), a.text,
                      FractionText(a.value));
    default:
        break;
    }
    if (a.kind == TypedAnswer::Number && whole)
        return Filled(QCoreApplication::translate("Quiz", "Type a whole number, without a fraction."));
    return Filled(QCoreApplication::translate("Quiz", "Please type your answer as shown above. %1"), q.form);
}

int PointsFor(int difficulty)
{
    return PointsForRightAnswer(std::clamp(difficulty, 0, HighestDifficulty));
}

std::string StakeLine(int difficulty)
{
    return Filled(QCoreApplication::translate("Quiz",
                                              "A right answer wins %n points. A wrong answer or the hint "
                                              "costs %1 percent of your health and up to %2 points.",
                                              nullptr, PointsFor(difficulty)),
                  PenaltyHealth, PenaltyPoints);
}

std::string KeysLine()
{
    return Filled(QCoreApplication::translate("Quiz",
                                              "Enter checks your answer. Escape closes the quiz without an "
                                              "answer, which costs the same as a wrong one."));
}

std::string HintWarning()
{
    return Filled(QCoreApplication::translate("Quiz",
                                              "With the hint, your answer will not count: no points, and the "
                                              "maze takes %1 percent of your health and up to "
                                              "%2 points. Press \"Show the hint\" if you still want it."),
                  PenaltyHealth, PenaltyPoints);
}

std::string Feedback(const Question& q, Check check, bool hintUsed, const std::string& typed, int difficulty,
                     bool verdictPassed)
{
    const std::string working = "\n" + q.working;
    if (!verdictPassed && check == Check::Right && !hintUsed)
        return Filled(QCoreApplication::translate(
                   "Quiz", "Your answer is right, but it could not be passed to the "
                           "game, so the game will count it as not answered. Sorry!")) +
               working;
    if (check == Check::Right && !hintUsed)
        return Filled(QCoreApplication::translate("Quiz", "Right! Well done. That is %n points.", nullptr,
                                                  PointsFor(difficulty))) +
               working;
    if (check == Check::Right)
        return Filled(QCoreApplication::translate(
                          "Quiz", "Right, but with the hint it counts as not answered: "
                                  "no points, and the maze takes %1 percent of your health and up to "
                                  "%2 points."),
                      PenaltyHealth, PenaltyPoints) +
               working;
    const std::string answerText = FractionText(q.answer);
    const std::string answer =
        answerText + (q.answer.p > q.answer.q && q.answer.q > 1 ? " (" + MixedText(q.answer) + ")" : "");
    const TypedAnswer a = ReadTypedAnswer(typed, DecimalComma());
    if (check == Check::NotLowest)
        return Filled(QCoreApplication::translate("Quiz",
                                                  "%1 is equal to %2, but it is not in lowest terms: %3 "
                                                  "and %4 can both still be divided by %5. The answer "
                                                  "is %6. So close - well tried!"),
                      a.text, answerText, a.top, a.bottom, std::gcd(a.top, a.bottom), answer) +
               working;
    const std::string mistake = NamedMistake(q, a.value);
    if (mistake.empty())
        return Filled(QCoreApplication::translate(
                          "Quiz", "Not quite. The answer is %1. Good try - you will get the next one!"),
                      answer) +
               working;
    return Filled(QCoreApplication::translate("Quiz",
                                              "Not quite. The answer is %1. %2 Good try - you will get the "
                                              "next one!"),
                  answer, mistake) +
           working;
}

std::string UnknownTopicLine(const std::string& word)
{
    return Filled(QCoreApplication::translate(
                      "Quiz", "The quiz does not know the topic \"%1\", so the question comes from any of "
                              "LCM, GCF and fractions."),
                  word);
}

unsigned char VerdictFor(Check check, bool hintUsed)
{
    if (check != Check::Right)
        return VerdictWrong;
    return hintUsed ? VerdictRightWithHint : VerdictRight;
}

std::string VerdictWord(std::optional<Check> check)
{
    if (!check)
        return JournalNotAnswered;
    switch (*check) {
    case Check::Right:
        return JournalRight;
    case Check::NotLowest:
        return JournalNotLowest;
    default:
        return JournalWrong;
    }
}

bool WriteVerdict(const std::string& folder, unsigned char verdict)
{
    return ReplaceFile(PathIn(folder, VerdictFileName), std::string(1, static_cast<char>(verdict)));
}

} // namespace zorbik::quiz
