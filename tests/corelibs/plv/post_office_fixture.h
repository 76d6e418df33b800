// A real post office for the library tests: a folder named in the registry (the previous
// value is put back afterwards), three mailboxes and their messages.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "plv.h"
#include "post_office.h"
#include "temp_folder.h"

class PostOfficeFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Connects to the post office's agent; the detached directory is the test folder.
    DWORD Connect();
    DWORD Open(const char* name);
    std::vector<PLVMessageId> Ids(DWORD database);
    MailAttachmentRef Ref(DWORD database, const PLVMessageId& id, DWORD index, const char* name);

    TempFolder m_folder;
    std::string m_office;  // the post office folder
    std::string m_detached;  // where attachments are extracted
    std::optional<std::string> m_previous;
    DWORD m_agent = 0;
};
