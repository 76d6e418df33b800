// DRUMEL's broadcast address tables: chunked load and save, reload and sync across a domain.
#include "drumel.h"
#include "drumel_session.h"
#include "server_store.h"
#include "service_controls.h"
#include "site_description.h"

using namespace drumel;

extern "C" DWORD WINAPI VexomarTableLoad(
    const char* server, DWORD table, void* buffer, DWORD bufferSize, DWORD first, DWORD largest, DWORD* count)
{
    return Guarded([&]() -> DWORD {
        const TableShape* shape = FindTable(table);
        if (!shape || !buffer || !count)
            return ERROR_INVALID_PARAMETER;
        *count = 0;
        ServerPlace place;
        if (const DWORD refused = FirstReadable(server, place))
            return refused;
        std::optional<AddressTable> loaded;
        if (const DWORD failed = ServerStore(place).ReadTable(*shape, loaded))
            return failed;
        *count = loaded->Load(first, largest, static_cast<std::uint8_t*>(buffer), bufferSize);
        return 0;
    });
}

extern "C" DWORD WINAPI VexomarTableSave(const char* server, DWORD table, const void* entries, DWORD size, DWORD number,
    DWORD replace, DWORD domainWide, DWORD* count)
{
    return Guarded([&]() -> DWORD {
        const TableShape* shape = FindTable(table);
        if (!shape || !count || (number && !entries))
            return ERROR_INVALID_PARAMETER;
        *count = 0;
        // The entries given must fill the size given: never read beyond the caller's bytes.
        if (std::uint64_t(number) * shape->entrySize > size)
            return ERROR_INVALID_PARAMETER;
        // What every server stored; any failure leaves the count 0.
        DWORD stored = number;
        const DWORD first = OnEachAllowed(server, domainWide != 0, [&](const ServerPlace& place) {
            DWORD here = 0;
            const DWORD result = ServerStore(place).ChangeTable(*shape, [&](AddressTable& t) {
                here = t.Save(static_cast<const std::uint8_t*>(entries), number, replace != 0);
            });
            if (!result)
                stored = std::min(stored, here);
            return result;
        });
        *count = first ? 0 : stored;
        return first;
    });
}

extern "C" DWORD WINAPI VexomarTableReload(const char* server, DWORD table, DWORD, DWORD)
{
    return Guarded([&]() -> DWORD {
        if (!FindTable(table))
            return ERROR_INVALID_PARAMETER;
        return WhileAllowed(
            server, [&](const ServerPlace& place) { TellInstance(place, kControlReloadTableBase + table); });
    });
}

extern "C" DWORD WINAPI VexomarTableSync(const char* server, DWORD tableMask, DWORD, DWORD, DWORD mode)
{
    return Guarded([&]() -> DWORD {
        if (!tableMask || (tableMask & ~7u) || mode < 1 || mode > 2)
            return ERROR_INVALID_PARAMETER;
        DWORD error = 0;
        // The named server is the source; a domain's source is its first server.
        const auto named = Targets(server, false, error);
        if (error)
            return error;
        const ServerPlace source = named.front();
        if (const DWORD denied = CheckAccess(source))
            return denied;
        const auto members = Targets(source.name.c_str(), true, error);
        DWORD first = 0;
        for (std::size_t i = 0; i < kTableCount; ++i) {
            const TableShape& shape = *AllTables()[i];
            if (!(tableMask & shape.number))
                continue;
            std::optional<AddressTable> table;
            if (const DWORD failed = ServerStore(source).ReadTable(shape, table))
                return failed;
            for (const ServerPlace& place : members) {
                if (SameComputerName(place.name, source.name))
                    continue;
                DWORD result = CheckAccess(place);
                if (!result)
                    result = ServerStore(place).WriteTable(*table);
                if (!result)
                    TellInstance(place, kControlReloadTableBase + shape.number);
                if (result && !first)
                    first = result;
            }
        }
        return first;
    });
}
