// The message a start or a stop of the antivirus service is answered with, by the status the
// service core returned.
#pragma once

#include <cstdint>

// String numbers of the Service Manager's table; 0 when the status needs no message.
unsigned StartStatusMessage(std::uint32_t status);
unsigned StopStatusMessage(std::uint32_t status);

// The status the service core gives when the caller has not logged on to the server.
inline constexpr std::uint32_t kStatusAccessDenied = 5;
