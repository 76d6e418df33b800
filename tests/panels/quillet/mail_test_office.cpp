// The mail tests' post office, messages and registry values.
#include "mail_test_office.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "mime_message.h"
#include "post_office.h"
#include "post_office_location.h"
#include "quillet_registry.h"
#include "text_codec.h"

namespace mail_test {

namespace {

constexpr char kMailKey[] = "SOFTWARE\\Morwick\\Vexomar\\CurrentVersion\\MAIL";

std::string Administrator()
{
    char name[1025] = {};
    GetPrivateProfileStringA("Notes", "Admin", "", name, sizeof name, "notes.ini");
    return name;
}

}  // namespace

std::string Message(const std::string& from, const std::string& to, const std::string& subject,
    const std::string& date, const std::vector<Attachment>& attachments)
{
    std::string text = "From: " + from + "\r\nTo: " + to + "\r\nSubject: " + subject + "\r\nDate: " + date +
        "\r\nMIME-Version: 1.0\r\n";
    if (attachments.empty())
        return text + "Content-Type: text/plain\r\n\r\nNo attachment.\r\n";
    text += "Content-Type: multipart/mixed; boundary=\"part\"\r\n\r\n--part\r\nContent-Type: text/plain\r\n\r\n"
            "See the attachment.\r\n";
    for (const Attachment& attachment : attachments) {
        text += "--part\r\nContent-Type: application/octet-stream; name=\"" + attachment.name +
            "\"\r\nContent-Disposition: attachment; filename=\"" + attachment.name +
            "\"\r\nContent-Transfer-Encoding: base64\r\n\r\n" + postoffice::EncodeBase64Lines(attachment.bytes, "\r\n");
    }
    return text + "--part--\r\n";
}

TestPostOffice::TestPostOffice()
{
    m_previousFolder = postoffice::PostOfficeFolder();
    const std::optional<DWORD> incTime = IncrementalTime();
    m_hadIncTime = incTime.has_value();
    m_incTime = incTime.value_or(0);
    m_previousAdmin = Administrator();
    postoffice::PostOffice office(Folder());
    EXPECT_TRUE(office.CreateMailbox("bob", "Bob Smith", ""));
    EXPECT_TRUE(office.CreateMailbox("alice", "Alice Jones", ""));
    EXPECT_TRUE(office.CreateMailbox("admin", "Site Administrator", ""));
    EXPECT_TRUE(office.SetAdministrator("admin"));
    EXPECT_TRUE(postoffice::SetPostOfficeFolder(Folder()));
    WritePrivateProfileStringA("Notes", "Admin", "admin", "notes.ini");
    ClearIncrementalTime();
}

TestPostOffice::~TestPostOffice()
{
    if (m_previousFolder)
        postoffice::SetPostOfficeFolder(*m_previousFolder);
    else
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, postoffice::kPostOfficeKey);
    WritePrivateProfileStringA(
        "Notes", "Admin", m_previousAdmin.empty() ? nullptr : m_previousAdmin.c_str(), "notes.ini");
    if (m_hadIncTime)
        WriteVexomarDword("MAIL", "IncTime", m_incTime);
    else
        ClearIncrementalTime();
}

void TestPostOffice::Deliver(const std::string& mailbox, const std::string& message, std::int64_t time)
{
    postoffice::PostOffice office(Folder());
    ASSERT_EQ(office.Deliver(mailbox, message, "sender@site", time), postoffice::StoreStatus::kOk);
}

postoffice::Mailbox TestPostOffice::Read(const std::string& mailbox) const
{
    std::ifstream in(Folder() + "\\" + mailbox + ".mbx", std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::optional<postoffice::Mailbox> box = postoffice::Mailbox::Load(bytes.str());
    EXPECT_TRUE(box.has_value());
    return box ? std::move(*box) : *postoffice::Mailbox::Load("");
}

std::string TestPostOffice::Body(const postoffice::Mailbox& box, size_t message)
{
    const postoffice::MimeMessage& parsed = box.Parsed(message);
    std::optional<std::string> body = postoffice::DecodePartBody(box.Content(message), parsed.parts.front());
    return body.value_or("");
}

size_t FilesIn(const std::string& folder, const std::string& pattern)
{
    size_t count = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        count += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

std::optional<DWORD> IncrementalTime()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMailKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD value = 0, size = sizeof value, type = 0;
    const LONG result = RegQueryValueExA(key, "IncTime", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_DWORD)
        return std::nullopt;
    return value;
}

void ClearIncrementalTime()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMailKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, "IncTime");
    RegCloseKey(key);
}

}  // namespace mail_test
