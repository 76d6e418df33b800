// Transfer encodings, character sets and dates.
#include <gtest/gtest.h>

#include "mail_date.h"
#include "text_codec.h"

using namespace postoffice;

TEST(Base64, DecodesFullAndPartialGroupsAndSkipsLineBreaks)
{
    EXPECT_EQ(DecodeBase64("SGVs\r\nbG8=", 100), "Hello");
    EXPECT_EQ(DecodeBase64("SGVsbA==", 100), "Hell");
    EXPECT_EQ(DecodeBase64("SGVsbA", 100), "Hell");  // padding missing
    EXPECT_EQ(DecodeBase64("S", 100), "");  // one character carries no byte
    EXPECT_EQ(DecodeBase64("SG*V!sbG8", 100), "Hello");
}

TEST(Base64, RefusesOutputPastTheLimitAtItsEdge)
{
    EXPECT_EQ(DecodeBase64("SGVsbG8=", 5), "Hello");
    EXPECT_FALSE(DecodeBase64("SGVsbG8=", 4).has_value());
    EXPECT_FALSE(DecodeBase64("SGVsbG8h", 5).has_value());
}

TEST(Base64, EncodesInLinesOf76)
{
    std::string bytes(59, 'a');
    std::string encoded = EncodeBase64Lines(bytes, "\r\n");
    ASSERT_EQ(encoded.size(), 76u + 2 + 4 + 2);
    EXPECT_EQ(encoded.substr(76, 2), "\r\n");
    EXPECT_EQ(encoded.substr(78), "YWE=\r\n");
    EXPECT_EQ(DecodeBase64(encoded, 100), bytes);
    EXPECT_EQ(EncodeBase64Lines("", "\n"), "");
}

TEST(QuotedPrintable, DecodesEscapesSoftBreaksAndKeepsMalformedOnes)
{
    EXPECT_EQ(DecodeQuotedPrintable("caf=E9 =3D=\r\nend=\nx", 100), "caf\xE9 =endx");
    EXPECT_EQ(DecodeQuotedPrintable("bad =G1 and =4", 100), "bad =G1 and =4");
    EXPECT_EQ(DecodeQuotedPrintable("a_b", 100, true), "a b");
    EXPECT_EQ(DecodeQuotedPrintable("a_b", 100, false), "a_b");
    EXPECT_FALSE(DecodeQuotedPrintable("abcdef", 5).has_value());
    EXPECT_EQ(DecodeQuotedPrintable("abcde", 5), "abcde");
}

TEST(QuotedPrintable, EncodesLongLinesEqualsAndTrailingSpace)
{
    EXPECT_EQ(EncodeQuotedPrintable("a=b \r\nc\xE9\n", "\r\n"), "a=3Db=20\r\nc=E9\r\n");
    std::string line(80, 'x');
    std::string encoded = EncodeQuotedPrintable(line, "\r\n");
    EXPECT_EQ(encoded, std::string(75, 'x') + "=\r\n" + std::string(5, 'x'));
    EXPECT_EQ(DecodeQuotedPrintable(encoded, 100), line);
}

TEST(Charsets, ConvertLatin1AndWindows1252ToUtf8)
{
    EXPECT_EQ(CharsetToUtf8("caf\xE9", "ISO-8859-1"), "caf\xC3\xA9");
    EXPECT_EQ(CharsetToUtf8("\x80 \x81", "windows-1252"), "\xE2\x82\xAC \xC2\x81");
    EXPECT_EQ(CharsetToUtf8("\x80", "iso-8859-1"), "\xC2\x80");
    EXPECT_EQ(CharsetToUtf8("caf\xC3\xA9", "utf-8"), "caf\xC3\xA9");
    EXPECT_EQ(CharsetToUtf8("\xE9", "koi8-r"), "\xE9");
}

TEST(PercentEscapes, DecodeAndKeepMalformed)
{
    EXPECT_EQ(DecodePercent("a%20b%zz%4"), "a b%zz%4");
}

TEST(MailDates, ReadsTheStandardAndObsoleteForms)
{
    EXPECT_EQ(ParseMailDate("Tue, 1 Jul 2003 10:52:37 +0200"), 1057049557);
    EXPECT_EQ(ParseMailDate("1 Jul 2003 08:52:37 GMT"), 1057049557);
    EXPECT_EQ(ParseMailDate("Tue, 01 Jul 03 04:52:37 EDT"), 1057049557);
    EXPECT_EQ(ParseMailDate("Tue, 1 Jul 2003 08:52 +0000"), 1057049520);
    EXPECT_EQ(ParseMailDate("Thu, 1 Jan 70 00:00:00 -0000"), 0);
    EXPECT_EQ(ParseMailDate("Fri, 31 Dec 99 23:59:59 +0000 (comment)"), 946684799);
    EXPECT_EQ(ParseMailDate("1 Jan 103 00:00:00 +0000"), 1041379200);  // three-digit year
}

TEST(MailDates, RefusesWhatItCannotRead)
{
    EXPECT_FALSE(ParseMailDate("").has_value());
    EXPECT_FALSE(ParseMailDate("yesterday").has_value());
    EXPECT_FALSE(ParseMailDate("32 Jul 2003 10:00:00").has_value());
    EXPECT_FALSE(ParseMailDate("1 Foo 2003 10:00:00").has_value());
    EXPECT_FALSE(ParseMailDate("1 Jul 2003 24:00:00").has_value());
    EXPECT_FALSE(ParseMailDate("1 Jan 1970 00:00:00 +0100").has_value());  // before 1970
}

TEST(MailDates, SeparatorLinesAndWrittenForms)
{
    EXPECT_EQ(ParseSeparatorDate("From alice@site Tue Jul  1 08:52:37 2003\n"), 1057049557);
    EXPECT_FALSE(ParseSeparatorDate("From here to there\n").has_value());
    EXPECT_EQ(FormatMailDate(1057049557), "Tue, 01 Jul 2003 08:52:37 +0000");
    EXPECT_EQ(FormatSeparatorDate(1057049557), "Tue Jul  1 08:52:37 2003");
    EXPECT_EQ(FormatMailDate(0), "Thu, 01 Jan 1970 00:00:00 +0000");
}
