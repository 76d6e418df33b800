// MessengerProgram: the mailslots it reads, its loop and the record of what it showed.
#include "messenger_program.h"

#include "alert_home.h"
#include "message_window.h"
#include "messenger_message.h"
#include "messenger_slot.h"
#include "shown_message_record.h"
#include "win_app.h"

MessengerProgram::MessengerProgram(std::string recordFile) : m_recordFile(std::move(recordFile))
{
}

MessengerProgram::~MessengerProgram()
{
    m_slots.clear();
    if (m_stop)
        CloseHandle(m_stop);
}

bool MessengerProgram::Open()
{
    m_stop = CreateEventA(nullptr, TRUE, FALSE, kStopEventName);
    if (!m_stop)
        return false;
    std::vector<std::string> names = {messenger_slot::kLocalSlot};
    if (const std::optional<SiteDescription> site = ReadSiteDescription()) {
        for (const SiteServer& server : site->Servers()) {
            // A site server with a data folder is stood in for on this computer.
            if (!server.dataDirectory.empty() && !AlertHome::IsLocalName(server.name.c_str()))
                names.push_back(messenger_slot::SiteServerSlot(server.name));
        }
    }
    bool any = false;
    for (const std::string& name : names) {
        auto slot = std::make_unique<MessengerMailslot>(name);
        if (slot->IsOpen()) {
            any = true;
            m_slots.push_back(std::move(slot));
        } else {
            // Another reader holds it (the system's own messenger, or a messenger already running).
            Record(shown_message_record::Line(
                "(mailslot not read)", name + ": error " + std::to_string(slot->CreateError())));
        }
    }
    return any;
}

int MessengerProgram::Run()
{
    CWinApp* app = CWinApp::Get();
    for (;;) {
        ShowWaitingMessages();
        const DWORD woken = MsgWaitForMultipleObjectsEx(1, &m_stop, kPollMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken == WAIT_OBJECT_0)
            return 0;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return static_cast<int>(message.wParam);
            if (app && app->PreTranslateMessage(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

int MessengerProgram::ShowWaitingMessages()
{
    int shown = 0;
    for (const auto& slot : m_slots) {
        while (CMessageWindow::OpenCount() < kMaxOpenWindows) {
            const std::optional<std::vector<std::uint8_t>> datagram = slot->Next();
            if (!datagram)
                break;
            // Anything that is not a messenger datagram is dropped: the slot's name is public.
            const std::optional<MessengerMessage> message = messenger_message::Decode(datagram->data(), datagram->size());
            if (!message)
                continue;
            SYSTEMTIME now;
            GetLocalTime(&now);
            if (CMessageWindow* window = CMessageWindow::Show(*message, now)) {
                Record(shown_message_record::Line(window->Caption(), window->ShownText()));
                ++shown;
            } else {
                // No desktop to show it on: the record keeps what would have been lost.
                Record(shown_message_record::Line(
                    "(window not shown) " + message->sender + " to " + message->recipient, message->text));
            }
        }
    }
    return shown;
}

void MessengerProgram::Record(const std::string& line) const
{
    if (m_recordFile.empty())
        return;
    HANDLE file = CreateFileA(m_recordFile.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

bool StopRunningMessenger()
{
    HANDLE stop = OpenEventA(EVENT_MODIFY_STATE, FALSE, MessengerProgram::kStopEventName);
    if (!stop)
        return false;
    SetEvent(stop);
    CloseHandle(stop);
    return true;
}
