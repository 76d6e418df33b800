// Lookup in a message map and along its chain of base maps.
#include "message_map.h"

#include "cmd_target.h"

MessageMap::MessageMap(std::initializer_list<MessageEntry> entries) : m_base(nullptr), m_entries(entries)
{
}

MessageMap::MessageMap(const MessageMap& base, std::initializer_list<MessageEntry> entries)
    : m_base(&base), m_entries(entries)
{
}

const MessageEntry* MessageMap::FindMessage(UINT message) const
{
    for (const MessageMap* map = this; map; map = map->m_base) {
        for (const MessageEntry& entry : map->m_entries) {
            if (entry.kind == EntryKind::Message && message >= entry.firstMessage && message <= entry.lastMessage)
                return &entry;
        }
    }
    return nullptr;
}

const MessageEntry* MessageMap::FindCommand(EntryKind kind, UINT id, UINT code) const
{
    for (const MessageMap* map = this; map; map = map->m_base) {
        for (const MessageEntry& entry : map->m_entries) {
            if (id < entry.firstId || id > entry.lastId)
                continue;
            if (entry.kind == kind &&
                (kind == EntryKind::Command || kind == EntryKind::UpdateCommand || entry.code == code))
                return &entry;
            // A push button's click (code 0) is also a plain command, and a command entry
            // answers a ControlCode request with code 0.
            if (kind == EntryKind::ControlCode && code == 0 && entry.kind == EntryKind::Command)
                return &entry;
        }
    }
    return nullptr;
}

const MessageMap& CCmdTarget::GetMessageMap() const
{
    static const MessageMap map({});
    return map;
}

bool CCmdTarget::OnCmdMsg(CommandRequest& request)
{
    const MessageMap& map = GetMessageMap();
    const MessageEntry* entry = nullptr;
    if (request.code == kCodeUpdateCommandUI)
        entry = map.FindCommand(EntryKind::UpdateCommand, request.id, 0);
    else if (request.header)
        entry = map.FindCommand(EntryKind::Notify, request.id, request.code);
    else
        entry = map.FindCommand(EntryKind::ControlCode, request.id, request.code);
    if (!entry)
        return false;
    if (request.probe)
        return true;
    MessageArgs args {WM_COMMAND, 0, 0, request.id, request.ui, request.header};
    request.result = entry->invoke(*this, entry->handler, args);
    return true;
}

bool CCmdTarget::RouteCommand(UINT id)
{
    CommandRequest request;
    request.id = id;
    return OnCmdMsg(request);
}
