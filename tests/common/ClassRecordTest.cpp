#include "common/ClassRecord.h"

#include <gtest/gtest.h>

namespace zorbik {
namespace {

TEST(ClassRecord, LinesAreMadeSafeWhenWrittenAndCheckedWhenRead)
{
    // What a game hands over may hold anything: the line keeps nine fields.
    ClassRecordLine hostile;
    hostile.time = "yesterday\t";
    hostile.login = "ann\r\n";
    hostile.name = "=Bo\t\xE2\x80\xAE"
                   "b\xC2\x9B" +
                   std::string(100, 'x');
    hostile.level = 42;
    hostile.score = -5;
    hostile.topics = {TopicTally{3, 5, 9}, TopicTally{-1, 0, 0}, TopicTally{2, 1, 1}};
    hostile.mistakes = {"product", "rm -rf", "not-lowest"};
    const std::string line = RecordLine(hostile);
    ASSERT_EQ(line.substr(line.size() - 2), "\r\n");
    const auto back = ParseRecordLine(line.substr(0, line.size() - 2));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->login, "ann");
    EXPECT_EQ(back->name.substr(0, 5), "=Bobx");
    EXPECT_EQ(back->name.size(), RecordNameLimit);
    EXPECT_EQ(back->level, 9);
    EXPECT_EQ(back->score, 0);
    EXPECT_EQ(back->topics[0].asked, 3);
    EXPECT_EQ(back->topics[0].right, 3);
    EXPECT_EQ(back->topics[0].hints, 0);
    EXPECT_EQ(back->topics[1].asked, 0);
    EXPECT_EQ(back->mistakes, (std::vector<std::string>{"product", "not-lowest"}));

    // Read back: whole lines only, every field in its shape; the rest skipped
    // and counted, a last line cut short by a full disk among them.
    const std::string good = "2026-12-08T10:02:03+0100\tann\tAnn\t2\t900\t1/1/0\t0/0/0\t2/0/1\tproduct\r\n";
    const std::string bad[] = {
        "2026-12-08T10:02:03+0100\tann\tAnn\t2\t900\t1/1/0\t0/0/0\t2/0/1\r\n",    // a field short
        "2026-12-08T10:02:03+0100\tann\tAnn\t2\t900\t1/2/0\t0/0/0\t2/0/1\t-\r\n", // more right than asked
        "2026-12-08T10:02:03+0100\tann\tA\x1B]0;x\x07\t2\t900\t1/1/0\t0/0/0\t2/0/1\t-\r\n", // a control
        "2026-12-08T10:02:03+0100\tann\tAnn\t2\t900\t1/1/0\t0/0/0\t2/0/1\tcheating\r\n", // an unknown mistake
        "2026-12-08T10:02:03+0100\tann\tAnn\t2\t9",                                      // cut short
    };
    std::string bytes = good;
    for (const std::string& b : bad)
        bytes += b;
    std::size_t skipped = 0;
    const auto lines = ParseRecord(good + bytes, &skipped);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(skipped, std::size(bad));
    EXPECT_EQ(RecordLine(lines[1]), good);
}

} // namespace
} // namespace zorbik
