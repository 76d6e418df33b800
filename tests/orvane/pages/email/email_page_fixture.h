// The e-mail page on the recording core and a recording Simple MAPI: answers and the bytes it sends.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "email_ids.h"
#include "email_page.h"
#include "fake_simple_mapi.h"
#include "list_box.h"
#include "page_fixture.h"

inline EMailRecipientRecord Recipient(const char* name, std::int32_t recipientClass)
{
    EMailRecipientRecord record = {};
    std::strcpy(record.name, name);
    record.recipientClass = recipientClass;
    return record;
}

class EmailPageTest : public PagesTest {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        CEmail::LastDate().clear();
        mapi = std::make_shared<FakeMapiState>();
    }
    void TearDown() override
    {
        page.reset();
        PagesTest::TearDown();
    }
    void OpenPage()
    {
        page = std::make_unique<CEmail>(TestProgram(), std::make_unique<FakeSimpleMapi>(mapi));
        ASSERT_TRUE(page->CreateInTab(*tab, 0));
        tab->SetTab(0, -1, "Email", page->m_hWnd, true);
        tab->Select(0);
        page->Load(1);
    }
    // What the core answers the next GetEMail: the settings block holds the two records, the
    // password scrambled as the core keeps it.
    void AnswerMail(const std::vector<EMailRecipientRecord>& recipients, const MailRecord& mail,
        const MailAttachments& attachments, signed char enabled = 1)
    {
        FakeEverySetting every;
        every.flags[3] = enabled;
        MailRecord stored = mail;
        const char* table = tab->Settings().Record().scrambleTable;
        for (std::size_t i = 0; i < 48; ++i)
            stored.password[i] = static_cast<char>(stored.password[i] ^ table[i]);
        std::memcpy(every.settings.data() + 464, &stored, sizeof stored);
        std::memcpy(every.settings.data() + 1032, &attachments, sizeof attachments);
        FakeAnswer read;
        read.every = every;
        core.Answer("AlertReadEverySetting", read);
        FakeAnswer list;
        list.count = static_cast<WORD>(recipients.size());
        for (const EMailRecipientRecord& record : recipients) {
            const BYTE* bytes = reinterpret_cast<const BYTE*>(&record);
            list.data.insert(list.data.end(), bytes, bytes + sizeof record);
        }
        core.Answer("AlertGetEMail", list);
    }
    std::vector<FakeCoreCall> Sets() const { return core.CallsOf("AlertSetEMail"); }
    // The recipient records of a set, as the core received them.
    static std::vector<EMailRecipientRecord> SentRecipients(const FakeCoreCall& set)
    {
        std::vector<EMailRecipientRecord> records(set.numbers.at(0));
        if (!records.empty())
            std::memcpy(records.data(), set.bytes.at(0).data(), records.size() * sizeof(EMailRecipientRecord));
        return records;
    }
    static MailRecord SentMail(const FakeCoreCall& set)
    {
        MailRecord mail = {};
        std::memcpy(&mail, set.bytes.at(1).data() + 464, sizeof mail);
        return mail;
    }
    static MailAttachments SentAttachments(const FakeCoreCall& set)
    {
        MailAttachments attachments = {};
        std::memcpy(&attachments, set.bytes.at(1).data() + 1032, sizeof attachments);
        return attachments;
    }
    void Command(UINT id) { page->SendMessage(WM_COMMAND, id, 0); }
    std::vector<std::string> To() const { return page->Lines(IDC_EMAIL_TO); }
    std::vector<std::string> Cc() const { return page->Lines(IDC_EMAIL_CC); }
    std::vector<std::string> Files() const { return page->Lines(IDC_EMAIL_FILES); }

    std::shared_ptr<FakeMapiState> mapi;
    std::unique_ptr<CEmail> page;
};
