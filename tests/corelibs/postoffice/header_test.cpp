// Header blocks, encoded words, parameters and address lists.
#include <gtest/gtest.h>

#include "address_list.h"
#include "header_block.h"
#include "header_value.h"

using namespace postoffice;

TEST(HeaderBlock, UnfoldsContinuationLinesAndRecordsPlaces)
{
    std::string text = "Subject: one\r\n two\r\n\tthree\r\nTo: a@b\r\n\r\nbody";
    HeaderBlock block = ParseHeaderBlock(text, 0, text.size());
    ASSERT_EQ(block.fields.size(), 2u);
    EXPECT_EQ(block.fields[0].value, "one two\tthree");
    EXPECT_EQ(block.fields[0].begin, 0u);
    EXPECT_EQ(block.fields[0].end, 28u);
    EXPECT_EQ(block.Find("to")->value, "a@b");
    EXPECT_TRUE(block.hasBlankLine);
    EXPECT_EQ(text.substr(block.bodyBegin), "body");
}

TEST(HeaderBlock, WithoutABlankLineTheFirstNonFieldLineStartsTheBody)
{
    std::string text = "Subject: hi\nTo: x\nThis is the body.\nMore: not a field\n";
    HeaderBlock block = ParseHeaderBlock(text, 0, text.size());
    ASSERT_EQ(block.fields.size(), 2u);
    EXPECT_FALSE(block.hasBlankLine);
    EXPECT_EQ(text.substr(block.bodyBegin), "This is the body.\nMore: not a field\n");
}

TEST(HeaderBlock, AHeaderRunningToTheEndHasNoBody)
{
    std::string text = "Subject: hi\nTo: x";
    HeaderBlock block = ParseHeaderBlock(text, 0, text.size());
    ASSERT_EQ(block.fields.size(), 2u);
    EXPECT_EQ(block.fields[1].value, "x");
    EXPECT_EQ(block.bodyBegin, text.size());
}

TEST(EncodedWords, DecodeBothFormsAndDropSpaceOnlyBetweenWords)
{
    EXPECT_EQ(
        DecodeEncodedWords("=?UTF-8?B?w6lsw6h2ZQ==?= =?ISO-8859-1?Q?_caf=E9?="), "\xC3\xA9l\xC3\xA8ve caf\xC3\xA9");
    EXPECT_EQ(DecodeEncodedWords("Re: =?utf-8?q?hello?= world"), "Re: hello world");
    EXPECT_EQ(DecodeEncodedWords("=?us-ascii*en?Q?tag?="), "tag");
    EXPECT_EQ(DecodeEncodedWords("=?broken?X?abc?= and =?x"), "=?broken?X?abc?= and =?x");
    EXPECT_EQ(DecodeEncodedWords("plain  text"), "plain  text");
}

TEST(StructuredValues, ReadParametersQuotedTokensAndComments)
{
    StructuredValue v = ParseStructuredValue("Multipart/Mixed (a comment); boundary=\"b;1\"; Charset=us-ascii");
    EXPECT_EQ(v.value, "multipart/mixed");
    EXPECT_EQ(*v.Param("boundary"), "b;1");
    EXPECT_EQ(*v.Param("charset"), "us-ascii");
    EXPECT_EQ(v.Param("name"), nullptr);
}

TEST(StructuredValues, ExtendedAndContinuedParametersWinAndJoinInOrder)
{
    StructuredValue v = ParseStructuredValue(
        "attachment; filename=\"plain.txt\"; filename*1*=%20part%202.txt; filename*0*=iso-8859-1'fr'caf%E9");
    EXPECT_EQ(*v.Param("filename"), "caf\xC3\xA9 part 2.txt");
    StructuredValue single = ParseStructuredValue("attachment; filename*=UTF-8''%E2%82%AC.doc");
    EXPECT_EQ(*single.Param("filename"), "\xE2\x82\xAC.doc");
    StructuredValue word = ParseStructuredValue("application/octet-stream; name=\"=?UTF-8?B?w6kuZXhl?=\"");
    EXPECT_EQ(*word.Param("name"), "\xC3\xA9.exe");
}

TEST(StructuredValues, AContinuationWithoutItsFirstSectionIsIgnored)
{
    StructuredValue v = ParseStructuredValue("attachment; filename*1=tail; filename=whole.txt");
    EXPECT_EQ(*v.Param("filename"), "whole.txt");
}

TEST(AddressLists, ReadNamesAddressesCommentsAndGroups)
{
    auto list = ParseAddressList("\"Doe, Jane\" <jane@site>, bob@site (Bob Smith), Team: carol@site, dave@site;, "
                                 "=?UTF-8?B?w4lsaXNl?= <elise@site>");
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0].display, "Doe, Jane");
    EXPECT_EQ(list[0].address, "jane@site");
    EXPECT_EQ(list[1].display, "Bob Smith");
    EXPECT_EQ(list[1].address, "bob@site");
    EXPECT_EQ(list[2].address, "carol@site");
    EXPECT_EQ(list[3].address, "dave@site");
    EXPECT_EQ(list[4].display, "\xC3\x89lise");
    EXPECT_EQ(FormatAddressList(list),
        "Doe, Jane <jane@site>, Bob Smith <bob@site>, carol@site, dave@site, \xC3\x89lise <elise@site>");
    EXPECT_TRUE(ParseAddressList(" , ;").empty());
}
