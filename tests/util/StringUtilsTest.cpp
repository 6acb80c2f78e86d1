#include "util/StringUtils.h"

#include <gtest/gtest.h>

namespace tarnbrook {
namespace {

using Pieces = std::vector<std::string>;

// Case conversion changes the argument; ReplaceAll never loops on its own output; Split keeps
// inner empty pieces but not a trailing one; URL escapes decode back, broken ones stay as written.
TEST(StringUtils, CaseTrimPadReplaceSplitAndUrlEscaping)
{
    std::string text = "Mixed Case 1!";
    EXPECT_EQ(ToUpper(text), "MIXED CASE 1!");
    EXPECT_EQ(text, "MIXED CASE 1!");
    EXPECT_EQ(ToLower(text), "mixed case 1!");
    EXPECT_EQ(text, "mixed case 1!");

    EXPECT_EQ(ToLower(std::string("\xC8X")), "\xC8x");  // bytes above 127 stay as they are

    EXPECT_EQ(TrimLeft(" \t a b \n"), "a b \n");
    EXPECT_EQ(TrimRight(" \t a b \r\n"), " \t a b");
    EXPECT_EQ(Trim("    "), "");

    EXPECT_EQ(PadLeft("7", '0', 3), "007");
    EXPECT_EQ(PadRight("Ann", ' ', 6), "Ann   ");
    EXPECT_EQ(PadRight("Bartholomew!", ' ', 6), "Bartholomew!");

    EXPECT_EQ(ReplaceAll("one two one", "one", "1"), "1 two 1");
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceAll("aab", "ab", "bbaa"), "abbaa");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceChar("a\\b\\c", '\\', '/'), "a/b/c");

    EXPECT_EQ(Split("a,,b", ","), (Pieces{"a", "", "b"}));
    EXPECT_EQ(Split(",a", ","), (Pieces{"", "a"}));
    EXPECT_EQ(Split("a,b,", ","), (Pieces{"a", "b"}));
    EXPECT_EQ(Split("a<>b<><>c", "<>"), (Pieces{"a", "b", "", "c"}));
    EXPECT_TRUE(Split("", ",").empty());
    EXPECT_TRUE(Split("abc", "").empty());

    EXPECT_EQ(UrlEncode("a-b.c_d~e"), "a-b.c_d~e");
    EXPECT_EQ(UrlEncode("a&b=c/\xE8"), "a%26b%3Dc%2F%E8");
    EXPECT_EQ(UrlDecode("a%26b%3dc%2F%E8"), "a&b=c/\xE8");
    EXPECT_EQ(UrlDecode(UrlEncode("any text: 100%!")), "any text: 100%!");
    EXPECT_EQ(UrlDecode("%zz%4"), "%zz%4");
    EXPECT_EQ(UrlDecode("end%"), "end%");
    EXPECT_EQ(UrlDecode("+%"), "+%");
}

TEST(StringUtils, NumbersUnderTheItalianConventionTheDefaultAndTheEnglishOne)
{
    EXPECT_EQ(IntToString(12345, '0', 3), "12345");
    EXPECT_EQ(IntToString(-7, '0', 4), "-007");
    EXPECT_EQ(IntToString(-7, ' ', 4), "  -7");
    EXPECT_EQ(ByteToHex(0x1AB), "AB");
    EXPECT_EQ(ByteToHex(-1), "FF");

    EXPECT_EQ(GroupThousands(999), "999");
    EXPECT_EQ(GroupThousands(1000), "1.000");
    EXPECT_EQ(GroupThousands(1234567890123), "1.234.567.890.123");
    EXPECT_EQ(GroupThousands(-123), "-123");

    EXPECT_DOUBLE_EQ(ParseFloat("1.234,5"), 1234.5);
    EXPECT_DOUBLE_EQ(ParseFloat("-0,25"), -0.25);

    EXPECT_EQ(FloatToString(3.14159), "3.14");
    EXPECT_EQ(FormatAmount(1234567.891), "1.234.567,89");
    EXPECT_EQ(FormatAmount(999.999), "1.000,00");
    EXPECT_EQ(FormatAmount(-1234.5), "-1.234,50");
    EXPECT_EQ(FormatAmount(-0.001), "0,00");

    SetItalianNumberConvention(false);
    EXPECT_EQ(GroupThousands(1234567), "1,234,567");
    EXPECT_DOUBLE_EQ(ParseFloat("1,234.5"), 1234.5);
    EXPECT_EQ(FormatAmount(1234.5), "1,234.50");
    SetItalianNumberConvention(true);
}

}  // namespace
}  // namespace tarnbrook
