// What FENWIX sends the Alert Service through its pipe, and the answer it gets.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

inline constexpr const char* kAlertPipeName = "MorwickAlert";  // \\server\pipe\MorwickAlert
inline constexpr std::size_t kAlertMessageSize = 512;

// "\\.\pipe\MorwickAlert" for this computer (an empty name), else the named computer's pipe.
std::string AlertPipePath(const std::string& machine);
inline constexpr std::size_t kMaxAlertText = 255;

// Results of an alert delivery, as MakeAlert1 returns them (Windows error numbers).
inline constexpr std::uint32_t kAlertDelivered = 0;
inline constexpr std::uint32_t kAlertServiceNotRunning = 1062;  // no pipe: the service is stopped
inline constexpr std::uint32_t kAlertServicePaused = 1061;  // the service refuses while paused
inline constexpr std::uint32_t kAlertNotRecorded = 29;  // the service could not write
inline constexpr std::uint32_t kAlertBadArguments = 87;

// Layout: 0 magic "MWA1", 4 type, 8 count, 12 priority (signed 32-bit each), 16 product (64),
// 80 text (256), 336 event code (64), 400 server (64), 464 zero. Texts are NUL-terminated.
struct AlertMessage {
    std::int32_t type = 0;
    std::int32_t count = 1;
    std::int32_t priority = 3;
    std::string product;
    std::string text;
    std::string code;
    std::string server;

    std::array<std::uint8_t, kAlertMessageSize> Encode() const;
    // Nothing for a message of the wrong size or magic.
    static std::optional<AlertMessage> Decode(const std::uint8_t* data, std::size_t size);
};

std::array<std::uint8_t, 4> EncodeAlertReply(std::uint32_t result);
// A short or missing answer reads as "not recorded".
std::uint32_t DecodeAlertReply(const std::uint8_t* data, std::size_t size);
