// CAlertSettings: the settings cache's reads and writes through the alert core.
#include "alert_settings.h"

#include <algorithm>
#include <cstring>

#include "mail_password.h"

namespace {

// The program's own table for the mail password, shared with the Alert Service. Changing it
// makes every stored password unreadable.
static_assert(sizeof kMailPasswordTable == kScrambleTableSize + 1);

const char* OrEmpty(const char* text)
{
    return text ? text : "";
}

// A set the core refused (0, or 1722 for a server out of reach) is reported to the page as -1.
int SetResult(int result)
{
    return AlertCore::Succeeded(result) ? result : -1;
}

template <typename Block> void Zero(Block& block)
{
    std::memset(&block, 0, sizeof block);
}

}  // namespace

CAlertSettings::CAlertSettings(AlertCore& core, const char* server, const char* application)
    : m_core(core), m_server(server), m_application(OrEmpty(application))
{
    Zero(m_record);
    std::memcpy(m_record.scrambleTable, kMailPasswordTable, kScrambleTableSize);
    // Names listed by the core may be longer than the record's field: the field keeps what fits,
    // the calls use m_application.
    const std::size_t kept = std::min(m_application.size(), kApplicationFieldSize - 1);
    std::memcpy(m_record.application, m_application.data(), kept);
}

CAlertSettings::~CAlertSettings()
{
    Free();
}

const char* CAlertSettings::Server() const
{
    return OrEmpty(m_server);
}

int CAlertSettings::ReadInitial(const char* application)
{
    Zero(m_record.initialFlags);
    Zero(m_record.initialCounts);
    Zero(m_record.initialSettings);
    const int result = m_core.AlertReadEverySetting(Server(), m_record.initialFlags, m_record.initialCounts,
        reinterpret_cast<BYTE*>(&m_record.initialSettings), OrEmpty(application));
    if (AlertCore::Failed(result)) {
        Zero(m_record.initialFlags);
        Zero(m_record.initialCounts);
        Zero(m_record.initialSettings);
        return 0;
    }
    m_core.AlertFreeCheckEverySetting(Server(), 0);

    // Slot 5's flag, slot 5's and the event log's counts and the texts from offset 3596 on keep
    // the values this object already holds.
    for (int slot : {0, 1, 2, 3, 4, 6, 7, 8})
        m_record.flags[slot] = m_record.initialFlags[slot];
    for (int slot : {0, 1, 2, 3, 4, 6, 7})
        m_record.counts[slot] = m_record.initialCounts[slot];
    AlertSettingsBlock& live = m_record.settings;
    const AlertSettingsBlock& initial = m_record.initialSettings;
    std::memcpy(live.ticketHeader, initial.ticketHeader, sizeof live.ticketHeader);
    std::memcpy(live.ticketSecond, initial.ticketSecond, sizeof live.ticketSecond);
    std::memcpy(live.mailConfig, initial.mailConfig, sizeof live.mailConfig);
    std::memcpy(live.carried, initial.carried, sizeof live.carried);
    std::memcpy(live.mailMessage, initial.mailMessage, sizeof live.mailMessage);
    return 1;
}

void CAlertSettings::Free()
{
    for (HGLOBAL& array : m_record.arrays) {
        if (array)
            GlobalFree(array);
        array = nullptr;
    }
}

// Reads every setting of the application into the live blocks. A failed read leaves them
// zeroed, whatever the core may have written.
bool CAlertSettings::ReadLive(const char* application)
{
    Zero(m_record.flags);
    Zero(m_record.counts);
    Zero(m_record.settings);
    const int result =
        m_core.AlertReadEverySetting(Server(), m_record.flags, m_record.counts, LiveSettings(), OrEmpty(application));
    if (AlertCore::Failed(result)) {
        Zero(m_record.flags);
        Zero(m_record.counts);
        Zero(m_record.settings);
        return false;
    }
    m_core.AlertFreeCheckEverySetting(Server(), 0);
    return true;
}

// Asks the core for one method's list. A list that cannot hold the count it comes with is
// refused (and freed), so that no page walks past its end.
bool CAlertSettings::GetList(AlertMethodSlot slot, int (AlertCore::*get)(LPCSTR, WORD*, void**, LPCSTR),
    const char* application, int& enabled, void*& array, int& count)
{
    array = nullptr;
    count = 0;
    WORD listed = 0;
    void* list = nullptr;
    if (AlertCore::Failed((m_core.*get)(Server(), &listed, &list, OrEmpty(application))))
        return false;
    if (listed != 0 && (!list || GlobalSize(list) < listed * RecipientRecordSize(slot))) {
        if (list)
            GlobalFree(list);
        return false;
    }
    array = list;
    count = listed;
    enabled = m_record.flags[slot];
    return true;
}

int CAlertSettings::GetBroadcast(int& enabled, void*& array, const char* application)
{
    array = nullptr;
    if (!ReadLive(application))
        return 0;
    int count = 0;
    GetList(kBroadcastSlot, &AlertCore::AlertGetBroadcast, application, enabled, array, count);
    return count;
}

int CAlertSettings::GetPager(int& enabled, void*& array, char* pagerText, const char* application)
{
    int count = 0;
    if (!GetList(kPagerSlot, &AlertCore::AlertGetPager, application, enabled, array, count))
        return 0;
    std::memcpy(pagerText, m_record.settings.texts[2], kSettingsTextSize - 1);
    pagerText[kSettingsTextSize - 1] = '\0';
    return count;
}

int CAlertSettings::GetSnmp(int& enabled, void*& array, const char* application)
{
    int count = 0;
    GetList(kSnmpSlot, &AlertCore::AlertGetSnmp, application, enabled, array, count);
    return count;
}

int CAlertSettings::GetEventLog(int& enabled, void*& array, const char* application)
{
    int count = 0;
    GetList(kEventLogSlot, &AlertCore::AlertGetEventLog, application, enabled, array, count);
    return count;
}

int CAlertSettings::GetTTix(int& enabled, void*& array, BYTE* header232, const char* application)
{
    array = nullptr;
    const bool read = ReadLive(application);
    std::memcpy(header232, m_record.settings.ticketHeader, kTicketHeaderSize);
    if (!read)
        return 0;
    int count = 0;
    if (!GetList(kTicketSlot, &AlertCore::AlertGetTTixPRINTQ_HEADER, application, enabled, array, count)) {
        std::memset(header232, 0, kTicketHeaderSize);
        return 0;
    }
    return count;
}

int CAlertSettings::GetEMail(int& enabled, void*& array, BYTE* mailConfig460, BYTE* message2564)
{
    array = nullptr;
    int count = 0;
    if (!ReadLive(m_application.c_str()) ||
        !GetList(kEMailSlot, &AlertCore::AlertGetEMail, m_application.c_str(), enabled, array, count)) {
        std::memset(mailConfig460, 0, kMailConfigSize);
        std::memset(message2564, 0, kMailMessageSize);
        return 0;
    }
    std::memcpy(mailConfig460, m_record.settings.mailConfig, kMailConfigSize);
    std::memcpy(message2564, m_record.settings.mailMessage, kMailMessageSize);
    // The live block keeps the password as the core holds it, scrambled; the page gets it in
    // clear. A field of zeros was never set and stays empty.
    BYTE* password = mailConfig460 + kMailPasswordOffset;
    if (std::any_of(password, password + kMailPasswordSize, [](BYTE b) { return b != 0; }))
        ScramblePassword(password, password);
    return count;
}

void CAlertSettings::KeepArray(AlertMethodSlot slot, void* array)
{
    HGLOBAL& kept = m_record.arrays[slot];
    if (kept && kept != array)
        GlobalFree(kept);
    kept = array;
}

int CAlertSettings::SetList(AlertMethodSlot slot, int (AlertCore::*set)(LPCSTR, WORD, void*, int, LPCSTR), WORD count,
    int enabled, void* array, const char* application)
{
    m_record.flags[slot] = static_cast<signed char>(enabled);
    m_record.counts[slot] = count;
    KeepArray(slot, array);
    return SetResult((m_core.*set)(Server(), count, array, count != 0 ? enabled : 0, OrEmpty(application)));
}

int CAlertSettings::SetBroadcast(WORD count, int enabled, void* array, const char* application)
{
    const int result = SetList(kBroadcastSlot, &AlertCore::AlertSetBroadcast, count, enabled, array, application);
    // A stored broadcast list belongs to the core from now on; a refused one stays here.
    if (result != -1)
        m_record.arrays[kBroadcastSlot] = nullptr;
    return result;
}

int CAlertSettings::SetPager(WORD count, int enabled, void* array, const char* pagerText, const char* application)
{
    char* text = m_record.settings.texts[2];
    std::memset(text, 0, kSettingsTextSize);
    std::strncpy(text, OrEmpty(pagerText), kSettingsTextSize - 1);
    return SetList(kPagerSlot, &AlertCore::AlertSetPager, count, enabled, array, application);
}

int CAlertSettings::SetSnmp(WORD count, int enabled, void* array, const char* application)
{
    return SetList(kSnmpSlot, &AlertCore::AlertSetSnmp, count, enabled, array, application);
}

int CAlertSettings::SetEventLog(WORD count, int enabled, void* array, const char* application)
{
    return SetList(kEventLogSlot, &AlertCore::AlertSetEventLog, count, enabled, array, application);
}

int CAlertSettings::SetTTix(WORD count, int enabled, void* array, const BYTE* header232, const char* application)
{
    m_record.flags[kTicketSlot] = static_cast<signed char>(enabled);
    KeepArray(kTicketSlot, array);
    std::memcpy(m_record.settings.ticketHeader, header232, kTicketHeaderSize);
    m_record.counts[kTicketSlot] = count;
    return SetResult(m_core.AlertSetTTixPRINTQ_HEADER(
        Server(), count, array, LiveSettings(), count != 0 ? enabled : 0, OrEmpty(application)));
}

int CAlertSettings::SetEMail(WORD count, int enabled, void* array, const BYTE* mailConfig460, const BYTE* message2564)
{
    m_record.flags[kEMailSlot] = static_cast<signed char>(enabled);
    KeepArray(kEMailSlot, array);
    std::memcpy(m_record.settings.mailConfig, mailConfig460, kMailConfigSize);
    ScramblePassword(m_record.settings.mailConfig + kMailPasswordOffset, mailConfig460 + kMailPasswordOffset);
    std::memcpy(m_record.settings.mailMessage, message2564, kMailMessageSize);
    m_record.counts[kEMailSlot] = count;
    return SetResult(
        m_core.AlertSetEMail(Server(), count, array, LiveSettings(), count != 0 ? enabled : 0, m_application.c_str()));
}

// Exclusive-or with the table: the same call scrambles and unscrambles, and may work in place.
void CAlertSettings::ScramblePassword(BYTE* to, const BYTE* from) const
{
    for (std::size_t i = 0; i < kMailPasswordSize; ++i)
        to[i] = static_cast<BYTE>(from[i] ^ static_cast<BYTE>(m_record.scrambleTable[i]));
}
