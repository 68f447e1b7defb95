#include "common/Utf8Text.h"

#include <gtest/gtest.h>

namespace zorbik {
namespace {

TEST(Utf8Text, CutsBetweenLettersDropsInvisibleControlsAndQuotesCells)
{
    // "Пётр" is 8 bytes; "€" 3, "😀" 4. No cut ever leaves a lead byte or
    // a stray continuation byte behind.
    EXPECT_EQ(CutAtLetter("Пётр", 7), "Пёт");
    EXPECT_EQ(CutAtLetter("Пётр", 8), "Пётр");
    EXPECT_EQ(CutAtLetter("a€b", 3), "a");
    EXPECT_EQ(CutAtLetter("a😀", 4), "a");
    EXPECT_EQ(CutAtLetter("a😀", 5), "a😀");
    EXPECT_EQ(CutAtLetter("ab\xD0", 3), "ab\xD0"); // a stray byte is a letter of its own
    const std::string cyrillic = "Ответ: сорок два, двадцать один, семь";
    for (std::size_t n = 0; n <= cyrillic.size(); ++n) {
        const std::string cut = CutAtLetter(cyrillic, n);
        EXPECT_EQ(cut, CutAtLetter(cut, n)) << n;
        EXPECT_EQ(WithoutInvisibleControls(cut), cut) << n << ": a split letter became '?'";
        EXPECT_LE(cut.size(), n);
        EXPECT_GE(cut.size() + 1, n) << n << ": cut shorter than needed";
    }

    for (unsigned c : {0x00u, 0x09u, 0x1Bu, 0x7Fu, 0x85u, 0x9Bu, 0x200Bu, 0x200Fu, 0x202Au, 0x202Eu, 0x2066u,
                       0x2069u, 0x061Cu, 0xFEFFu})
        EXPECT_TRUE(IsInvisibleControl(c)) << std::hex << c;
    for (unsigned c : {0x20u, 0x41u, 0xA0u, 0xE9u, 0x0416u, 0x200Au, 0x2010u, 0x2065u, 0x1F600u})
        EXPECT_FALSE(IsInvisibleControl(c)) << std::hex << c;
    EXPECT_EQ(WithoutInvisibleControls("A\x1B]0;x\x07"
                                       "B\xC2\x9B"
                                       "C\xE2\x80\xAE"
                                       "D\xE2\x81\xA6"
                                       "É"),
              "A]0;xBCDÉ");
    EXPECT_EQ(WithoutInvisibleControls("a\xC0\xAF"
                                       "b\xED\xA0\x80"
                                       "c\xFF"),
              "a??b???c?"); // overlong, surrogate

    EXPECT_EQ(SpreadsheetCell("Ann"), "\"Ann\"");
    EXPECT_EQ(SpreadsheetCell(""), "\"\"");
    EXPECT_EQ(SpreadsheetCell("say \"hi\", 2"), "\"say \"\"hi\"\", 2\"");
    for (const char* formula : {"=HYPERLINK(\"x\")", "+cmd|' /C calc'!A0", "-2+3", "@SUM(A1)", "\tx", "\rx"})
        EXPECT_EQ(SpreadsheetCell(formula).substr(0, 2), "\"'") << formula;
    EXPECT_EQ(SpreadsheetCell("3-2"), "\"3-2\"");
}

} // namespace
} // namespace zorbik
