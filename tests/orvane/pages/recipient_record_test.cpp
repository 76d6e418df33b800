// The pager record's delay texts and the SNMP record's IPX and IP address conversions.
#include <gtest/gtest.h>

#include <cstring>

#include "pager_record.h"
#include "snmp_record.h"

TEST(PagerRecordDelay, ThreeCommasAreThreeStepsAndStepsWriteCommas)
{
    PagerRecord record = {};
    std::memcpy(record.connectionDelay, ",,,", 3);
    EXPECT_EQ(3, pager_record::DelaySteps(record.connectionDelay));
    std::memset(record.messageDelay, ',', sizeof record.messageDelay);  // no terminator at all
    EXPECT_EQ(7, pager_record::DelaySteps(record.messageDelay));

    std::memset(record.connectionDelay, 'x', sizeof record.connectionDelay);
    pager_record::SetDelaySteps(record.connectionDelay, 0);
    EXPECT_EQ(std::string(13, '\0'), std::string(record.connectionDelay, 13));
    pager_record::SetDelaySteps(record.connectionDelay, 5);
    EXPECT_EQ(std::string(",,,,,") + std::string(8, '\0'), std::string(record.connectionDelay, 13));
    pager_record::SetDelaySteps(record.connectionDelay, 12);
    EXPECT_EQ(std::string(7, ',') + std::string(6, '\0'), std::string(record.connectionDelay, 13));
}

TEST(SnmpRecordHex, ShortTextsArePaddedOnTheLeft)
{
    std::uint8_t network[4] = {9, 9, 9, 9};
    snmp_record::HexToBytes("12AB", 8, network);
    EXPECT_EQ(0, std::memcmp(network, "\x00\x00\x12\xAB", 4));
    std::uint8_t node[6] = {};
    snmp_record::HexToBytes("0080C7", 12, node);
    EXPECT_EQ(0, std::memcmp(node, "\x00\x00\x00\x00\x80\xC7", 6));
    snmp_record::HexToBytes("", 8, network);
    EXPECT_EQ(0, std::memcmp(network, "\x00\x00\x00\x00", 4));
    snmp_record::HexToBytes("deadbeef", 8, network);
    EXPECT_EQ(0, std::memcmp(network, "\xDE\xAD\xBE\xEF", 4));
}

TEST(SnmpRecordHex, BytesShowAsUpperCaseDigitsAndOnlyHexDigitsPass)
{
    const std::uint8_t node[6] = {0x00, 0x80, 0xC7, 0x0A, 0xFF, 0x01};
    EXPECT_EQ("0080C70AFF01", snmp_record::HexText(node, 6));
    EXPECT_TRUE(snmp_record::IsHexText("0123456789abcdefABCDEF"));
    EXPECT_TRUE(snmp_record::IsHexText(""));
    EXPECT_FALSE(snmp_record::IsHexText("12G4"));
    EXPECT_FALSE(snmp_record::IsHexText("12 4"));
}

TEST(SnmpRecordAddress, FourPartsMakeTheAddressInNetworkOrder)
{
    const auto address = snmp_record::AddressFromParts({"10", "0", "0", "1"});
    ASSERT_TRUE(address.has_value());
    EXPECT_EQ((std::array<std::uint8_t, 4> {10, 0, 0, 1}), *address);
    EXPECT_EQ((std::array<std::uint8_t, 4> {0, 255, 0, 7}), snmp_record::AddressFromParts({"", "255", "000", "7"}));
    const std::uint8_t stored[4] = {192, 168, 1, 20};
    EXPECT_EQ((std::array<std::string, 4> {"192", "168", "1", "20"}), snmp_record::AddressParts(stored));
}

TEST(SnmpRecordAddress, PartsAbove255OrNotNumbersAreRefused)
{
    EXPECT_FALSE(snmp_record::AddressFromParts({"256", "0", "0", "1"}).has_value());
    EXPECT_FALSE(snmp_record::AddressFromParts({"10", "0", "0", "999"}).has_value());
    EXPECT_FALSE(snmp_record::AddressFromParts({"10", "-1", "0", "1"}).has_value());
}
