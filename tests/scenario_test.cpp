// Each transcript in tests/scenarios/ is one named test, played through the
// very parser of tarvik-driver in this process (see transcript.h for the form).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/driver.h"
#include "transcript.h"

namespace {

using namespace tarvik::transcript;

class Transcript : public testing::TestWithParam<std::string> {};

TEST_P(Transcript, PlaysAsWritten) {
    const std::vector<Line> lines = read(file_of(GetParam()));
    tarvik::Driver driver([](tarvik::Millis) { return std::string("12:00:00"); });
    int checked = 0;
    for (const Line& line : lines) {
        const auto answer = driver.execute(line.command);
        if (!line.expected) {
            ASSERT_FALSE(answer) << mismatch(GetParam(), line, answer.value_or(""));
            continue;
        }
        ++checked;
        ASSERT_TRUE(answer) << mismatch(GetParam(), line, "(no answer)");
        ASSERT_TRUE(answer_matches(*line.expected, *answer)) << mismatch(GetParam(), line, *answer);
    }
    EXPECT_GT(checked, 0) << "transcript " << GetParam() << " checks nothing";
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Transcript, testing::ValuesIn(names()), test_name);

// The reader and the matcher themselves, on lines of each form.
TEST(TranscriptReader, ReadsEachFormOfLine) {
    const Line with_answer = parse_line(3, "get form1.many.Caption => 1000");
    EXPECT_EQ(with_answer.number, 3);
    EXPECT_EQ(with_answer.command, "get form1.many.Caption");
    EXPECT_EQ(with_answer.expected, "1000");

    const Line empty_answer = parse_line(1, "get form1.Label3.Caption =>");
    EXPECT_EQ(empty_answer.command, "get form1.Label3.Caption");
    EXPECT_EQ(empty_answer.expected, "");

    const Line plain = parse_line(1, "type Form2.Text1 a => b c ");
    EXPECT_EQ(plain.command, "type Form2.Text1 a") << "the first arrow splits";
    EXPECT_EQ(plain.expected, "b c ") << "the answer keeps its blanks";

    EXPECT_EQ(parse_line(1, "advance 12000").expected, "ok");
    EXPECT_EQ(parse_line(1, "advance 12000\r").command, "advance 12000");
    for (const char* comment : {"", " \t", "# note => 5", "  # indented"}) {
        const Line line = parse_line(1, comment);
        EXPECT_FALSE(line.expected.has_value()) << "'" << comment << "'";
        EXPECT_EQ(line.command, comment) << "sent as written";
    }
}

TEST(TranscriptReader, MatchesExactlyByPrefixOrByNegation) {
    EXPECT_TRUE(answer_matches("1000", "1000"));
    EXPECT_FALSE(answer_matches("1000", "10000"));
    EXPECT_TRUE(answer_matches("", ""));
    EXPECT_FALSE(answer_matches("", "ok"));
    EXPECT_TRUE(answer_matches("error:*", "error: form1 is not loaded"));
    EXPECT_FALSE(answer_matches("error:*", "ok"));
    EXPECT_TRUE(answer_matches("*", ""));
    EXPECT_TRUE(answer_matches("!", "12:00:01")) << "'!' alone: any answer but the empty one";
    EXPECT_FALSE(answer_matches("!", ""));
    EXPECT_FALSE(answer_matches("!error:*", "error: no"));
    EXPECT_TRUE(answer_matches("!error:*", "yes"));
}

}  // namespace
