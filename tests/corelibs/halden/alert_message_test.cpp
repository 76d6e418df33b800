// The pipe message of MakeAlert1 and the rule that turns calls into alerts.
#include "alert_composer.h"

#include <cstring>

#include <gtest/gtest.h>

#include "byte_order.h"

namespace {

TEST(AlertMessage, LayoutAndRoundTrip)
{
    AlertMessage message;
    message.type = -3;
    message.count = 2;
    message.priority = 1;
    message.product = "VEXOMAR";
    message.text = "hello";
    message.code = "05";
    message.server = "ALPHA";
    const auto bytes = message.Encode();
    EXPECT_EQ(0, std::memcmp(bytes.data(), "MWA1", 4));
    EXPECT_EQ(0xFFFFFFFDu, GetU32(bytes.data() + 4));
    EXPECT_EQ(2u, GetU32(bytes.data() + 8));
    EXPECT_EQ(1u, GetU32(bytes.data() + 12));
    EXPECT_STREQ("VEXOMAR", reinterpret_cast<const char*>(bytes.data() + 16));
    EXPECT_STREQ("hello", reinterpret_cast<const char*>(bytes.data() + 80));
    EXPECT_STREQ("05", reinterpret_cast<const char*>(bytes.data() + 336));
    EXPECT_STREQ("ALPHA", reinterpret_cast<const char*>(bytes.data() + 400));

    const auto decoded = AlertMessage::Decode(bytes.data(), bytes.size());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(-3, decoded->type);
    EXPECT_EQ("hello", decoded->text);
    EXPECT_EQ("ALPHA", decoded->server);
}

TEST(AlertMessage, WrongSizeOrMagicIsRefused)
{
    auto bytes = AlertMessage().Encode();
    EXPECT_FALSE(AlertMessage::Decode(bytes.data(), 511));
    bytes[3] = '2';
    EXPECT_FALSE(AlertMessage::Decode(bytes.data(), bytes.size()));
    std::array<std::uint8_t, kAlertMessageSize> unterminated;
    unterminated.fill('x');
    std::memcpy(unterminated.data(), "MWA1", 4);
    const auto decoded = AlertMessage::Decode(unterminated.data(), unterminated.size());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(256u, decoded->text.size());
}

TEST(AlertMessage, ReplyOfFourBytesElseNotRecorded)
{
    const auto reply = EncodeAlertReply(kAlertServicePaused);
    EXPECT_EQ(kAlertServicePaused, DecodeAlertReply(reply.data(), reply.size()));
    EXPECT_EQ(kAlertNotRecorded, DecodeAlertReply(reply.data(), 2));
}

TEST(AlertComposer, ScannerDetectionBecomesOneCriticalAlert)
{
    AlertComposer composer;
    EXPECT_FALSE(composer.Accept("", -3, 1, "VEXOMAR", "Manager Detected a Virus [X] in [C:\\A] - [PC]/[ann]."));
    const auto message = composer.Accept("", 2, 1, "VEXOMAR", "05");
    ASSERT_TRUE(message);
    EXPECT_EQ("Manager Detected a Virus [X] in [C:\\A] - [PC]/[ann].", message->text);
    EXPECT_EQ("05", message->code);
    EXPECT_EQ(1, message->priority);
    EXPECT_EQ(2, message->type);
    // The staged text was used up: the next call stands on its own.
    const auto next = composer.Accept("", 2, 1, "VEXOMAR", "05");
    ASSERT_TRUE(next);
    EXPECT_EQ("05", next->text);
    EXPECT_EQ("", next->code);
}

TEST(AlertComposer, PriorityGrowsWithTheType)
{
    EXPECT_EQ(3, AlertComposer::PriorityOfType(0));
    EXPECT_EQ(2, AlertComposer::PriorityOfType(1));
    EXPECT_EQ(1, AlertComposer::PriorityOfType(2));
    EXPECT_EQ(0, AlertComposer::PriorityOfType(3));
    EXPECT_EQ(0, AlertComposer::PriorityOfType(100));
}

TEST(AlertComposer, StagedTextsAreKeptPerServerAndProduct)
{
    AlertComposer composer;
    composer.Accept("", -1, 1, "VEXOMAR", "scanner text");
    composer.Accept("beta", -1, 1, "VEXOMAR", "beta text");
    EXPECT_EQ("event", composer.Accept("", 1, 1, "OTHER", "event")->text);
    EXPECT_EQ("beta text", composer.Accept("BETA", 1, 1, "vexomar", "x")->text);
    EXPECT_EQ("scanner text", composer.Accept("", 1, 1, "VEXOMAR", "x")->text);
    composer.Accept("", -1, 1, "VEXOMAR", "dropped");
    composer.Drop("", "VEXOMAR");
    EXPECT_EQ("x", composer.Accept("", 1, 1, "VEXOMAR", "x")->text);
    EXPECT_EQ(255u, composer.Accept("", 1, 1, "VEXOMAR", std::string(400, 'y'))->text.size());
}

}  // namespace

namespace {

TEST(AlertMessage, PipePathNamesTheComputer)
{
    EXPECT_EQ("\\\\.\\pipe\\MorwickAlert", AlertPipePath(""));
    EXPECT_EQ("\\\\ALPHA\\pipe\\MorwickAlert", AlertPipePath("ALPHA"));
}

}  // namespace
