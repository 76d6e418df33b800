// Creation and removal of the scratch site and its instances.
#include "scratch_site.h"

#include <fstream>

#include "instance_control.h"

namespace {

const char* const kServers[] = {"ALPHA", "BETA", "GAMMA"};

}  // namespace

std::string PathBesideTest(const std::string& name)
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string self(path, length);
    return self.substr(0, self.find_last_of('\\') + 1) + name;
}

std::string TestVirusText()
{
    // Kept in two halves so that this program is not itself the test file.
    return std::string("X5O!P%@AP[4\\PZX54(P^)7CC)7}$") + "EICAR-STANDARD-ANTIVIRUS-TEST-FILE!$H+H*";
}

ScratchSite::ScratchSite() : m_home(std::make_unique<ScratchAlertHome>("vexomar"))
{
    for (const char* server : kServers)
        CreateDirectoryA(DataFolder(server).c_str(), nullptr);
    m_home->UseSite("[SALES]\r\nALPHA=" + DataFolder("ALPHA") + "\r\nBETA=" + DataFolder("BETA") +
        "\r\n[RESEARCH]\r\nGAMMA=" + DataFolder("GAMMA") + "\r\n");
    WriteFile(DataFolder("GAMMA") + "\\LOGON.TXT", "admin=Secret\r\n");
    // Instances left by an interrupted run would hold the old program.
    for (const char* server : kServers)
        InstanceControl(Place(server)).Uninstall();
}

ScratchSite::~ScratchSite()
{
    UninstallAll();
}

ServerPlace ScratchSite::Place(const std::string& server) const
{
    return *ServerLocator::FromRegistry().Server(server);
}

void ScratchSite::Install(const std::vector<std::string>& servers)
{
    for (const std::string& server : servers) {
        InstanceControl(Place(server)).Install(PathBesideTest("VXMSVC.EXE"));
        m_installed.push_back(server);
    }
}

void ScratchSite::UninstallAll()
{
    for (const std::string& server : m_installed)
        InstanceControl(Place(server)).Uninstall();
    m_installed.clear();
}

void ScratchSite::WriteFile(const std::string& path, const std::string& bytes) const
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}
