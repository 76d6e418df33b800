// Every wait and retry of a page, bounded. The defaults are for real modems and terminals;
// tests shorten them.
#pragma once

#include <cstdint>

struct PagerTiming {
    // One comma of a connection or message delay. In a numeric page's dial string the modem
    // itself pauses for each comma (register S8, 2 seconds on most modems); in an alphanumeric
    // call the service waits as long per comma.
    std::uint32_t commaMs = 2000;
    std::uint32_t commandMs = 5000;  // the modem's answer to ATZ, the set-up and ATH0
    std::uint32_t carrierMs = 60000;  // dialling until CONNECT, BUSY, NO CARRIER ... (plus the commas)
    std::uint32_t idPromptMs = 2000;  // after each CR sent until the terminal asks "ID="
    int idPromptTries = 3;
    std::uint32_t terminalMs = 10000;  // the terminal's answer to the logon, a block or EOT
    int logonTries = 3;  // logons sent while the terminal answers NAK
    int blockTransmissions = 3;  // times one block is sent while the terminal answers NAK
    std::uint32_t guardMs = 1000;  // the silence before and after "+++" that returns a modem to commands
    int retries = 2;  // calls placed again after a busy line, no answer, a lost call ...
    std::uint32_t retryDelayMs = 60000;  // between the calls to one pager
};
