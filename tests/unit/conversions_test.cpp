#include <gtest/gtest.h>

#include "runtime/conversions.h"

using namespace tarvik;

TEST(StrictParse, AcceptsWholeNumbersWithBlanksAround) {
    EXPECT_EQ(strict_parse("1000"), 1000.0);
    EXPECT_EQ(strict_parse("-1000"), -1000.0);
    EXPECT_EQ(strict_parse("  42 "), 42.0);
    EXPECT_EQ(strict_parse("0"), 0.0);
    EXPECT_EQ(strict_parse("2.5"), 2.5);
}

TEST(StrictParse, RejectsTextThatIsNotANumber) {
    EXPECT_FALSE(strict_parse(""));
    EXPECT_FALSE(strict_parse("   "));
    EXPECT_FALSE(strict_parse("abc"));
    EXPECT_FALSE(strict_parse("12abc"));
    EXPECT_FALSE(strict_parse("-"));
    EXPECT_FALSE(strict_parse("1 000"));
    EXPECT_FALSE(strict_parse("--1"));
    EXPECT_FALSE(strict_parse("1.2.3"));
}

TEST(LenientParse, ReadsTheLeadingNumberElseZero) {
    EXPECT_EQ(lenient_parse("1000"), 1000.0);
    EXPECT_EQ(lenient_parse("-1000"), -1000.0);
    EXPECT_EQ(lenient_parse("  25 dollars"), 25.0);
    EXPECT_EQ(lenient_parse("12abc"), 12.0);
    EXPECT_EQ(lenient_parse("abc"), 0.0);
    EXPECT_EQ(lenient_parse(""), 0.0);
    EXPECT_EQ(lenient_parse("+7"), 7.0);
    EXPECT_EQ(lenient_parse("1.5.5"), 1.5);
}

TEST(TextForm, WholeNumbersWithoutSeparatorsOrPlus) {
    EXPECT_EQ(text_form(1000), "1000");
    EXPECT_EQ(text_form(-1000), "-1000");
    EXPECT_EQ(text_form(0), "0");
    EXPECT_EQ(text_form(-0.0), "0");
    EXPECT_EQ(text_form(20000), "20000");
    EXPECT_EQ(text_form(123456789012345.0), "123456789012345");
}

TEST(TextForm, BothParsesReadBackWhatItWrites) {
    for (double value : {0.0, 1.0, -1.0, 1025.0, -500.0, 99999999.0, -123456789012.0}) {
        std::string text = text_form(value);
        EXPECT_EQ(strict_parse(text), value) << text;
        EXPECT_EQ(lenient_parse(text), value) << text;
    }
}

TEST(WholeNumberText, WritesFlagsAndTheCode) {
    EXPECT_EQ(whole_number_text(0), "0");
    EXPECT_EQ(whole_number_text(1), "1");
    EXPECT_EQ(whole_number_text(20000), "20000");
}

TEST(LongTimeText, HoldsTheDigitsOfTheTime) {
    std::string text = long_time_text(14, 5, 9);
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.find("05"), std::string::npos) << text;
    EXPECT_NE(text.find("09"), std::string::npos) << text;
}
