// The scan job tests' scratch files, samples, engine and recording stand-ins.
#include "scan_test_files.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace scan_test {

namespace {

void Put16(std::string& out, unsigned value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, unsigned long value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, (value >> 16) & 0xFFFF);
}

unsigned long Crc32(const std::string& data)
{
    unsigned long crc = 0xFFFFFFFFul;
    for (unsigned char byte : data) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320ul & (0ul - (crc & 1)));
    }
    return crc ^ 0xFFFFFFFFul;
}


}  // namespace

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string full = path + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

std::string ExeDirectory()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory = path;
    return directory.substr(0, directory.find_last_of('\\'));
}

ScratchFolder::ScratchFolder(const std::string& name)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    m_root = std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId());
    RemoveTree(m_root);
    CreateDirectoryA(m_root.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(m_root);
}

std::string ScratchFolder::Path(const std::string& relative) const
{
    return relative.empty() ? m_root : m_root + "\\" + relative;
}

std::string ScratchFolder::Write(const std::string& relative, const std::string& bytes) const
{
    const std::string path = Path(relative);
    for (size_t slash = path.find('\\', m_root.size() + 1); slash != std::string::npos;
         slash = path.find('\\', slash + 1))
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string EicarFile()
{
    return std::string("X5O!P%@AP[4\\PZX54(P^)7CC)7}$EICAR-STANDARD-") + "ANTIVIRUS-TEST-FILE!$H+H*";
}

std::string TestVirus(const std::string& kind)
{
    const std::string host = "MZ\x90"
                             " a harmless host program of the scan job's tests. ";
    if (kind == "Append")
        return host + "KVX.APPEND." + "BODY:0001VXMR";
    if (kind == "Restore")
        return host + "KVX.RESTORE." + "BODY" + "RSTR";
    if (kind == "Overwrite")
        return "A document with a block: KVX.MACRO." + std::string("BLOCK[0123456789ABCDEF]") + " and text after it.";
    if (kind == "Destructive")
        return std::string("KVX.OVER") + "WRITER." + " the host is gone " + "OVWR." + "END";
    if (kind == "Trailer")
        return host + "KVX.TRAILER." + "MARK";
    if (kind == "Hash")
        return std::string("Vexomar harmless ") + "hash test file\r\n";
    return {};
}

std::string InfectedBootSector()
{
    std::string sector(512, '\0');
    const char start[] = "\xEB\x3C\x90VEXOMAR ";
    std::memcpy(sector.data(), start, sizeof start - 1);
    const std::string marker = std::string("KVX.BOOT.") + "SECTOR!";
    std::memcpy(sector.data() + 62, marker.data(), marker.size());
    sector[510] = '\x55';
    sector[511] = '\xAA';
    return sector;
}

std::string StoredZip(const std::vector<ZipMember>& members)
{
    std::string archive, directory;
    for (const ZipMember& member : members) {
        const unsigned long crc = Crc32(member.data) ^ (member.badCrc ? 0x1u : 0u);
        const unsigned long offset = archive.size();
        std::string common;
        Put16(common, 10);  // version needed
        Put16(common, 0);  // flags
        Put16(common, 0);  // stored
        Put16(common, 0);  // time
        Put16(common, 0x21);  // date
        Put32(common, crc);
        Put32(common, member.data.size());
        Put32(common, member.data.size());
        Put16(common, member.name.size());
        Put16(common, 0);  // extra
        Put32(archive, 0x04034b50);
        archive += common + member.name + member.data;
        Put32(directory, 0x02014b50);
        Put16(directory, 20);  // made by
        directory += common;
        Put16(directory, 0);  // comment
        Put16(directory, 0);  // disk
        Put16(directory, 0);  // internal attributes
        Put32(directory, 0);  // external attributes
        Put32(directory, offset);
        directory += member.name;
    }
    const unsigned long directoryOffset = archive.size();
    archive += directory;
    Put32(archive, 0x06054b50);
    Put16(archive, 0);
    Put16(archive, 0);
    Put16(archive, members.size());
    Put16(archive, members.size());
    Put32(archive, directory.size());
    Put32(archive, directoryOffset);
    Put16(archive, 0);
    return archive;
}

RealEngine::RealEngine()
{
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(ExeDirectory().c_str());
    if (m_library.Bind() && m_library.Open(&binding.instance) == 0 &&
        m_library.SetOptions(binding.instance, binding.block.data(), kOptionWords) == 0 &&
        m_library.LoadSignatures(binding.instance) == 0) {
        binding.library = &m_library;
        m_loaded = true;
    }
    SetCurrentDirectoryA(previous);
}

RealEngine::~RealEngine()
{
    if (m_loaded) {
        m_library.ReleaseSignatures(binding.instance);
        m_library.Close(binding.instance);
    }
}

LocalScanOptions TestOptions()
{
    LocalScanOptions options;
    options.scanMode = kScanSecure;
    options.executablesOnly = 0;
    options.beepOnDetect = 0;
    options.interactive = 0;
    const char* programs[] = {"COM", "EXE", "DLL"};
    for (int i = 0; i < 3; ++i)
        std::strcpy(options.executableExtensions[i], programs[i]);
    options.executableCount = 3;
    std::strcpy(options.archiveExtensions[0], "ZIP");
    options.archiveCount = 1;
    return options;
}

void TestJob::PumpMessages()
{
    ++pumps;
    if (cancelAtPump && pumps == cancelAtPump)
        Cancel();
}

UINT TestJob::DriveType(const std::string& root) const
{
    if (removableDrive && std::toupper(static_cast<unsigned char>(root[0])) == removableDrive)
        return DRIVE_REMOVABLE;
    return LocalScanJob::DriveType(root);
}

std::vector<std::string> SortedResults(const ScanJob& job)
{
    std::vector<std::string> lines;
    for (const ScanResultLine& line : job.Results())
        lines.push_back(line.item + "|" + line.virus + "|" + line.outcome);
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace scan_test
