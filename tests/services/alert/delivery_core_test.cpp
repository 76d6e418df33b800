// The SNMP trap's bytes and the trouble ticket's lines.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "snmp_trap.h"
#include "ticket_text.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// One BER element: tag, content, and where the next one starts.
struct Element {
    std::uint8_t tag = 0;
    Bytes content;
    std::size_t next = 0;
};

Element At(const Bytes& bytes, std::size_t at)
{
    Element e;
    e.tag = bytes.at(at++);
    std::size_t length = bytes.at(at++);
    if (length & 0x80) {
        const std::size_t digits = length & 0x7F;
        length = 0;
        for (std::size_t i = 0; i < digits; ++i)
            length = (length << 8) | bytes.at(at++);
    }
    e.content.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at),
        bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
    e.next = at + length;
    EXPECT_LE(e.next, bytes.size());
    return e;
}

std::vector<Element> Children(const Bytes& content)
{
    std::vector<Element> children;
    for (std::size_t at = 0; at < content.size();) {
        children.push_back(At(content, at));
        at = children.back().next;
    }
    return children;
}

SnmpTrap Sample(std::size_t textSize = 12)
{
    return AlertTrap(1, std::string(textSize, 'v'), "VEXOMAR", "ALPHA", "05", {10, 0, 0, 7}, 300);
}

TEST(SnmpTrap, MessageIsVersionOneWithCommunityAndTrapPdu)
{
    const Bytes message = EncodeTrap(Sample());
    const Element whole = At(message, 0);
    EXPECT_EQ(0x30, whole.tag);
    EXPECT_EQ(message.size(), whole.next);
    const auto parts = Children(whole.content);
    ASSERT_EQ(3u, parts.size());
    EXPECT_EQ(0x02, parts[0].tag);
    EXPECT_EQ(Bytes({0}), parts[0].content);
    EXPECT_EQ(0x04, parts[1].tag);
    EXPECT_EQ(std::string("public"), std::string(parts[1].content.begin(), parts[1].content.end()));
    EXPECT_EQ(0xA4, parts[2].tag);

    const auto pdu = Children(parts[2].content);
    ASSERT_EQ(6u, pdu.size());
    // 1.3.6.1.4.1.64029.1: 64029 = 3*128*128 + 116*128 + 29.
    EXPECT_EQ(0x06, pdu[0].tag);
    EXPECT_EQ(Bytes({0x2B, 6, 1, 4, 1, 0x83, 0xF4, 0x1D, 1}), pdu[0].content);
    EXPECT_EQ(0x40, pdu[1].tag);
    EXPECT_EQ(Bytes({10, 0, 0, 7}), pdu[1].content);
    EXPECT_EQ(Bytes({6}), pdu[2].content);  // enterpriseSpecific
    EXPECT_EQ(Bytes({1}), pdu[3].content);  // the priority
    EXPECT_EQ(0x43, pdu[4].tag);
    EXPECT_EQ(Bytes({0x01, 0x2C}), pdu[4].content);  // 300
    EXPECT_EQ(0x30, pdu[5].tag);

    const auto bindings = Children(pdu[5].content);
    ASSERT_EQ(5u, bindings.size());
    const auto priority = Children(bindings[0].content);
    EXPECT_EQ(Bytes({0x2B, 6, 1, 4, 1, 0x83, 0xF4, 0x1D, 1, 1}), priority[0].content);
    EXPECT_EQ(0x02, priority[1].tag);
    EXPECT_EQ(Bytes({1}), priority[1].content);
    const auto text = Children(bindings[1].content);
    EXPECT_EQ(Bytes({0x2B, 6, 1, 4, 1, 0x83, 0xF4, 0x1D, 1, 2}), text[0].content);
    EXPECT_EQ(0x04, text[1].tag);
    EXPECT_EQ(std::string(12, 'v'), std::string(text[1].content.begin(), text[1].content.end()));
    const auto server = Children(bindings[3].content);
    EXPECT_EQ(std::string("ALPHA"), std::string(server[1].content.begin(), server[1].content.end()));
}

TEST(SnmpTrap, LongTextUsesLongLengthsAndIsCutAtTheLimit)
{
    const Bytes message = EncodeTrap(Sample(1000));
    const Element whole = At(message, 0);
    EXPECT_EQ(0x82, message[1]);  // over 255 bytes in all: two length bytes
    EXPECT_EQ(message.size(), whole.next);
    const auto pdu = Children(Children(whole.content)[2].content);
    const auto text = Children(Children(pdu[5].content)[1].content);
    ASSERT_EQ(2u, text.size());
    EXPECT_EQ(255u, text[1].content.size());
}

TEST(SnmpTrap, IntegersAreMinimalTwosComplement)
{
    auto specific = [](std::int32_t value) {
        SnmpTrap trap = Sample();
        trap.specificTrap = value;
        const auto pdu = Children(Children(At(EncodeTrap(trap), 0).content)[2].content);
        return pdu[3].content;
    };
    EXPECT_EQ(Bytes({0x00}), specific(0));
    EXPECT_EQ(Bytes({0x7F}), specific(127));
    EXPECT_EQ(Bytes({0x00, 0x80}), specific(128));
    EXPECT_EQ(Bytes({0xFF}), specific(-1));
    EXPECT_EQ(Bytes({0xFF, 0x7F}), specific(-129));
    EXPECT_EQ(Bytes({0x7F, 0xFF, 0xFF, 0xFF}), specific(0x7FFFFFFF));
    SnmpTrap trap = Sample();
    trap.timeTicks = 0xFFFFFFFFu;  // unsigned: a leading zero keeps it positive
    const auto pdu = Children(Children(At(EncodeTrap(trap), 0).content)[2].content);
    EXPECT_EQ(Bytes({0x00, 0xFF, 0xFF, 0xFF, 0xFF}), pdu[4].content);
}

TicketFacts Facts(const std::string& text)
{
    TicketFacts facts;
    facts.header = "Help Desk Ticket";
    facts.company = "Morwick";
    facts.location = "Floor 3";
    facts.time = CivilTime::FromUnixSeconds(1700000000);
    facts.application = "VEXOMAR";
    facts.priority = 1;
    facts.text = text;
    return facts;
}

TEST(TicketText, NamesEveryFactThenTheAlertFolded)
{
    const auto lines = TicketLines(Facts("Virus found in C:\\DATA\\GAME.EXE on PC1"), 20);
    const std::vector<std::string> expected = {
        "Help Desk Ticket",
        "",
        "Company: Morwick",
        "Location: Floor 3",
        "Date: 11/14/2023",
        "Time: 22:13:20",
        "Application: VEXOMAR",
        "Priority: Critical",
        "",
        "Alert:",
        "Virus found in",
        "C:\\DATA\\GAME.EXE on",
        "PC1",
    };
    EXPECT_EQ(expected, lines);
}

TEST(TicketText, LongWordsBreakAndControlCharactersBecomeBlanks)
{
    TicketFacts facts = Facts(std::string(25, 'x') + "\r\nend");
    facts.company = "Mor\x0cwick";
    const auto lines = TicketLines(facts, 10);
    EXPECT_EQ("Company: Mor wick", lines[2]);
    const std::vector<std::string> alert(lines.begin() + 10, lines.end());
    EXPECT_EQ(std::vector<std::string>({"xxxxxxxxxx", "xxxxxxxxxx", "xxxxx end"}), alert);
    EXPECT_EQ("Priority: Unknown", TicketLines([] {
        TicketFacts f = Facts("");
        f.priority = 9;
        return f;
    }(), 40)[7]);
}

}  // namespace
