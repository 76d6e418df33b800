// POMAIL.EXE: lists the post office's mailboxes and messages, shows a message, delivers a
// message file, and sets the post office up (folder, mailboxes, administrator).
#include <windows.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "mailbox_store.h"
#include "mail_date.h"
#include "mail_limits.h"
#include "post_office.h"
#include "post_office_location.h"
#include "text_codec.h"

namespace {

using postoffice::Mailbox;
using postoffice::PostOffice;
using postoffice::StoreStatus;
using postoffice::Utf8ToAnsi;

const char kUsage[] =
    "usage: POMAIL [/folder PATH] COMMAND\n"
    "  list                          the mailboxes, with their full names and message counts\n"
    "  list MAILBOX                  the mailbox's messages: number, date, sender, subject, attachments\n"
    "  show MAILBOX NUMBER           one message's header fields and attachments\n"
    "  deliver MAILBOX FILE          delivers the messages of a message or mailbox file\n"
    "  create MAILBOX \"FULL NAME\" PASSWORD\n"
    "  admin MAILBOX                 names the site's administrator (notes.ini)\n"
    "  setup FOLDER                  creates the folder and names it in the registry\n";

const char* StatusText(StoreStatus status)
{
    switch (status) {
    case StoreStatus::kOk: return "done";
    case StoreStatus::kMissing: return "no such mailbox or file";
    case StoreStatus::kTooLarge: return "the mailbox is larger than the limit";
    case StoreStatus::kBusy: return "another program holds the mailbox";
    case StoreStatus::kIoError: return "the file could not be read or written";
    case StoreStatus::kUnchanged: return "nothing was changed";
    }
    return "failed";
}

int Fail(const std::string& text)
{
    std::fprintf(stderr, "POMAIL: %s\n", text.c_str());
    return 1;
}

std::optional<Mailbox> LoadNamed(const PostOffice& office, const std::string& name, std::string& error)
{
    std::optional<std::string> mailbox = office.FindMailbox(name);
    if (!mailbox) {
        error = "no mailbox \"" + name + "\"";
        return std::nullopt;
    }
    std::optional<Mailbox> box;
    StoreStatus status = postoffice::LoadMailbox(office.MailboxPath(*mailbox), box);
    if (status != StoreStatus::kOk)
        error = StatusText(status);
    return box;
}

std::string DateText(const Mailbox& box, std::size_t i)
{
    std::optional<std::int64_t> time = box.Time(i);
    return time ? postoffice::FormatMailDate(*time) : std::string("(no date)");
}

int ListMailboxes(const PostOffice& office)
{
    std::string admin = office.Administrator();
    for (const std::string& name : office.Mailboxes()) {
        std::optional<Mailbox> box;
        StoreStatus status = postoffice::LoadMailbox(office.MailboxPath(name), box);
        std::string count =
            status == StoreStatus::kOk ? std::to_string(box->Count()) + " messages" : StatusText(status);
        std::printf("%-20s %-28s %s%s\n", name.c_str(), Utf8ToAnsi(office.FullName(name)).c_str(), count.c_str(),
            postoffice::EqualsIgnoreCase(name, admin) ? "  (administrator)" : "");
    }
    return 0;
}

int ListMessages(const PostOffice& office, const std::string& name)
{
    std::string error;
    std::optional<Mailbox> box = LoadNamed(office, name, error);
    if (!box)
        return Fail(error);
    for (std::size_t i = 0; i < box->Count(); ++i) {
        std::string attachments;
        for (const std::string& a : box->AttachmentNames(i))
            attachments += (attachments.empty() ? "" : ", ") + Utf8ToAnsi(a);
        std::printf("%3u  %s  %s  %s%s%s\n", static_cast<unsigned>(i + 1), DateText(*box, i).c_str(),
            Utf8ToAnsi(box->Field(i, "From")).c_str(), Utf8ToAnsi(box->Field(i, "Subject")).c_str(),
            attachments.empty() ? "" : "  [", attachments.empty() ? "" : (attachments + "]").c_str());
        if (!box->Readable(i))
            std::printf("     not readable: %s\n", box->Parsed(i).failure.c_str());
    }
    if (box->HasUnlistedMessages())
        std::printf("(messages past %u are not listed)\n", static_cast<unsigned>(postoffice::limits::kMaxMessages));
    return 0;
}

int ShowMessage(const PostOffice& office, const std::string& name, const std::string& number)
{
    std::string error;
    std::optional<Mailbox> box = LoadNamed(office, name, error);
    if (!box)
        return Fail(error);
    std::size_t i = static_cast<std::size_t>(std::strtoul(number.c_str(), nullptr, 10));
    if (i == 0 || i > box->Count())
        return Fail("no message " + number + " in \"" + name + "\"");
    --i;
    for (const char* field : {"Date", "From", "To", "CC", "Subject", "Message-ID"})
        if (box->HasField(i, field))
            std::printf("%s: %s\n", field, Utf8ToAnsi(box->Field(i, field)).c_str());
    if (!box->Readable(i))
        return std::printf("not readable: %s\n", box->Parsed(i).failure.c_str()), 0;
    std::vector<std::string> names = box->AttachmentNames(i);
    for (std::size_t a = 0; a < names.size(); ++a) {
        std::optional<std::string> bytes = box->AttachmentBytes(i, a);
        std::printf("Attachment %u: %s (%s)\n", static_cast<unsigned>(a + 1), Utf8ToAnsi(names[a]).c_str(),
            bytes ? (std::to_string(bytes->size()) + " bytes").c_str() : "not decodable");
    }
    return 0;
}

int Deliver(const PostOffice& office, const std::string& name, const std::string& file)
{
    std::string bytes;
    StoreStatus read = postoffice::ReadFileBytes(file, postoffice::limits::kMaxMailboxBytes, bytes);
    if (read != StoreStatus::kOk)
        return Fail(file + ": " + StatusText(read));
    std::optional<Mailbox> source = Mailbox::Load(bytes);
    if (!source || source->Count() == 0)
        return Fail(file + ": holds no message");
    std::int64_t now = static_cast<std::int64_t>(std::time(nullptr));
    for (std::size_t i = 0; i < source->Count(); ++i) {
        StoreStatus status =
            office.Deliver(name, std::string(source->Content(i)), "POMAIL", source->Time(i).value_or(now));
        if (status != StoreStatus::kOk)
            return Fail("\"" + name + "\": " + StatusText(status));
    }
    std::printf("%u message(s) delivered to %s\n", static_cast<unsigned>(source->Count()), name.c_str());
    return 0;
}

int Run(std::vector<std::string> args)
{
    std::optional<std::string> folder;
    if (args.size() >= 2 && postoffice::EqualsIgnoreCase(args[0], "/folder")) {
        folder = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty())
        return std::fputs(kUsage, stderr), 2;
    std::string command = postoffice::ToLower(args[0]);
    if (command == "setup" && args.size() == 2) {
        CreateDirectoryA(args[1].c_str(), nullptr);
        if (!postoffice::SetPostOfficeFolder(args[1]) || !postoffice::PostOfficeFolder())
            return Fail("the folder could not be named");
        std::printf("post office folder: %s\n", args[1].c_str());
        return 0;
    }
    if (!folder)
        folder = postoffice::PostOfficeFolder();
    if (!folder)
        return Fail("no post office is set up (HKLM\\SOFTWARE\\Morwick\\PostOffice, value Folder)");
    PostOffice office(*folder);
    if (command == "list" && args.size() == 1)
        return ListMailboxes(office);
    if (command == "list" && args.size() == 2)
        return ListMessages(office, args[1]);
    if (command == "show" && args.size() == 3)
        return ShowMessage(office, args[1], args[2]);
    if (command == "deliver" && args.size() == 3)
        return Deliver(office, args[1], args[2]);
    if (command == "create" && args.size() == 4) {
        if (!office.CreateMailbox(args[1], postoffice::AnsiToUtf8(args[2]), args[3]))
            return Fail("the mailbox \"" + args[1] + "\" could not be created");
        return 0;
    }
    if (command == "admin" && args.size() == 2) {
        if (!office.SetAdministrator(args[1]))
            return Fail("notes.ini could not be written");
        // The scanner reads "notes.ini" by its bare name, which the profile functions look
        // for in the Windows folder: that copy names the same administrator.
        if (!WritePrivateProfileStringA("Notes", "Admin", args[1].c_str(), "notes.ini"))
            return Fail("the Windows folder's notes.ini could not be written");
        return 0;
    }
    return std::fputs(kUsage, stderr), 2;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& fault) {
        return Fail(fault.what());
    }
}
