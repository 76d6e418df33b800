// RecordingServiceCalls: the settings records and tables in memory; every call, table calls
// included, recorded in one list so that the order of a save can be checked.
#pragma once

#include <cstring>
#include <map>

#include "recording_table_calls.h"
#include "service_config_calls.h"

class RecordingServiceCalls : public RecordingTableCalls, public ServiceConfigCalls {
public:
    std::map<ConfigRecordKind, std::vector<BYTE>> records {{ConfigRecordKind::kService, std::vector<BYTE>(12)},
        {ConfigRecordKind::kActivityLog, std::vector<BYTE>(12)}, {ConfigRecordKind::kScanLog, std::vector<BYTE>(12)}};
    std::vector<BYTE> bcast = std::vector<BYTE>(32);
    std::map<std::string, DWORD> failing;  // call name -> status it answers

    static std::string Name(const char* verb, ConfigRecordKind kind)
    {
        static const char* const names[] = {"service", "activity", "scan"};
        return std::string(verb) + names[int(kind)];
    }

    DWORD GetConfig(ConfigRecordKind kind, const std::string& server, void* record, DWORD size) override
    {
        const std::string name = Name("get", kind);
        calls.push_back({name, server, 0, size, 0, 0, 0, 0});
        if (DWORD status = Fails(name))
            return status;
        std::memcpy(record, records[kind].data(), 12);
        return 0;
    }
    DWORD SetConfig(
        ConfigRecordKind kind, const std::string& server, const void* record, DWORD size, DWORD domainWide) override
    {
        const std::string name = Name("set", kind);
        calls.push_back({name, server, 0, size, 0, 0, 0, domainWide});
        if (DWORD status = Fails(name))
            return status;
        const BYTE* bytes = static_cast<const BYTE*>(record);
        records[kind].assign(bytes, bytes + 12);
        return 0;
    }
    DWORD GetBCast(const std::string& server, void* record, DWORD size) override
    {
        calls.push_back({"getbcast", server, 0, size, 0, 0, 0, 0});
        if (DWORD status = Fails("getbcast"))
            return status;
        std::memcpy(record, bcast.data(), 32);
        return 0;
    }
    DWORD SetBCast(const std::string& server, const void* record, DWORD size, DWORD mode) override
    {
        calls.push_back({"setbcast", server, 0, size, 0, 0, 0, mode});
        if (DWORD status = Fails("setbcast"))
            return status;
        const BYTE* bytes = static_cast<const BYTE*>(record);
        bcast.assign(bytes, bytes + 32);
        return 0;
    }
    // Recorded with the mask as the table and the mode as the domain-wide field.
    DWORD TableSync(const std::string& server, DWORD mask, DWORD mode) override
    {
        calls.push_back({"sync", server, mask, 0, 0, 0, 0, mode});
        return Fails("sync");
    }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const TableCall& call : calls)
            names.push_back(call.name);
        return names;
    }

private:
    DWORD Fails(const std::string& name) const
    {
        auto found = failing.find(name);
        return found == failing.end() ? 0 : found->second;
    }
};

// A 12-byte record of three little-endian fields.
inline std::vector<BYTE> Record3(DWORD a, DWORD b, DWORD c)
{
    std::vector<BYTE> bytes(12);
    const DWORD fields[] = {a, b, c};
    std::memcpy(bytes.data(), fields, 12);
    return bytes;
}
