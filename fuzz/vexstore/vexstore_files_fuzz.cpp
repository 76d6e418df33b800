// Feeds any bytes to every reader of the service's store; an odd first byte reseals the
// envelope's CRC, so the payload readers are reached too.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "address_table.h"
#include "credentials_file.h"
#include "record_file.h"
#include "server_config.h"
#include "server_status.h"
#include "service_log.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> bytes(data, data + size);
    if (size > 0 && (data[0] & 1)) {
        // Wrap the rest as a sound envelope of each kind.
        RecordFile file {1, std::vector<std::uint8_t>(data + 1, data + size)};
        for (const char* magic : {kConfigMagic, kStatusMagic, kTableMagic}) {
            char m[9];
            std::memcpy(m, magic, 9);
            bytes = EncodeRecordFile(m, file);
            const auto decoded = DecodeRecordFile(m, bytes, 1 << 20);
            if (!decoded)
                __builtin_trap();  // a sealed envelope must open
        }
    }
    for (const char* magic : {kConfigMagic, kStatusMagic, kTableMagic}) {
        char m[9];
        std::memcpy(m, magic, 9);
        const auto file = DecodeRecordFile(m, bytes, 1 << 20);
        const std::vector<std::uint8_t>& payload = file ? file->payload : bytes;
        DecodeServerConfig(payload);
        if (const auto status = DecodeServerStatus(payload))
            EncodeServerStatus(*status);
        for (std::size_t i = 0; i < kTableCount; ++i) {
            if (auto table = AddressTable::Decode(*AllTables()[i], payload)) {
                std::vector<std::uint8_t> out(64 * table->Shape().entrySize);
                table->Load(size % 8, 64, out.data(), out.size());
                table->Save(out.data(), 64, false);
                if (table->Count() > table->Shape().largestCount)
                    __builtin_trap();
            }
        }
    }
    const std::string text(data, data + size);
    CredentialsFile::Parse(text).Verify("admin", "x");
    AppendLogLine(text, kLogWarning, "fuzz", 1765195200, LogConfig {10, static_cast<std::uint32_t>(size % 5), 7});
    return 0;
}
