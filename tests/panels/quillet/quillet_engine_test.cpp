// The Local Scanner's engine start with the real KELVEX32.DLL: a sound, a missing and a truncated data file.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "plugin_protocol.h"
#include "quillet_fakes.h"
#include "quillet_plugin.h"
#include "scripted_prompter.h"
#include "test_panel_host.h"

using namespace panel_protocol;

namespace {

std::string ExeDirectory()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory = path;
    return directory.substr(0, directory.find_last_of('\\'));
}

std::string CurrentDirectory()
{
    char path[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, path);
    return path;
}

class RealEngineQuillet : public QuilletPlugin {
public:
    RealEngineQuillet(EngineLibrary& engine, ArchiveLibrary& archive, FilterLink& filters, std::string directory)
        : QuilletPlugin(*static_cast<CExtensionApp*>(CWinApp::Get()), QuilletServices {engine, archive, filters}),
          m_directory(std::move(directory))
    {
    }

protected:
    std::string ModuleDirectory() const override { return m_directory; }
    std::string TemporaryDirectory() const override { return "C:\\TEMP"; }

private:
    std::string m_directory;
};

// A folder of its own holding the first `bytes` bytes of the shipped data file (none for -1).
class DataFolder {
public:
    explicit DataFolder(long bytes)
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        path = std::string(temp) + "quillet-engine-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path.c_str(), nullptr);
        if (bytes < 0)
            return;
        std::ifstream shipped(ExeDirectory() + "\\VIRSIG.DAT", std::ios::binary);
        std::string data((std::istreambuf_iterator<char>(shipped)), std::istreambuf_iterator<char>());
        std::ofstream copy(path + "\\VIRSIG.DAT", std::ios::binary);
        copy.write(data.data(), std::min<long>(bytes, static_cast<long>(data.size())));
    }
    ~DataFolder()
    {
        DeleteFileA((path + "\\VIRSIG.DAT").c_str());
        RemoveDirectoryA(path.c_str());
    }
    std::string path;
};

TEST(QuilletRealEngine, LoadsTheShippedDataFileAndGivesTheDirectoryBack)
{
    TestPanelHost host;
    KelvexLibrary engine;
    FakeArchive archive;
    FilterDeviceLink filters;
    RealEngineQuillet plugin(engine, archive, filters, ExeDirectory());
    const std::string before = CurrentDirectory();
    ScriptedPrompter prompter;
    plugin.HandleMessage(host.Window(), kInitialise, 0, 0);
    EXPECT_TRUE(plugin.EngineLoaded());
    EXPECT_NE(0u, plugin.Versions().signatures);
    EXPECT_EQ(1, plugin.HandleMessage(host.Window(), kQueryAvailable, 0, 0));
    EXPECT_EQ(before, CurrentDirectory());
    // The filter devices may be absent here: the requests go nowhere and nothing changes.
    plugin.HandleMessage(host.Window(), kTerminate, 0, 0);
    EXPECT_FALSE(plugin.EngineLoaded());
}

TEST(QuilletRealEngine, ATruncatedDataFileIsAnInvalidFormat)
{
    DataFolder folder(100);
    TestPanelHost host;
    KelvexLibrary engine;
    FakeArchive archive;
    FakeFilters filters;
    RealEngineQuillet plugin(engine, archive, filters, folder.path);
    const std::string before = CurrentDirectory();
    ScriptedPrompter prompter;
    prompter.Expect("Invalid format of ").Expect("VIRSIG.DAT").Expect("Could Not Initialize Anti-Virus Engine !");
    plugin.HandleMessage(host.Window(), kInitialise, 0, 0);
    EXPECT_EQ(0, plugin.HandleMessage(host.Window(), kQueryAvailable, 0, 0));
    EXPECT_EQ(before, CurrentDirectory());
    EXPECT_EQ(nullptr, engine.Entry(2));
    plugin.HandleMessage(host.Window(), kTerminate, 0, 0);
}

TEST(QuilletRealEngine, AMissingDataFileCannotBeOpened)
{
    DataFolder folder(-1);
    TestPanelHost host;
    KelvexLibrary engine;
    FakeArchive archive;
    FakeFilters filters;
    RealEngineQuillet plugin(engine, archive, filters, folder.path);
    ScriptedPrompter prompter;
    prompter.Expect("Error opening data file").Expect("Could Not Initialize Anti-Virus Engine !");
    plugin.HandleMessage(host.Window(), kInitialise, 0, 0);
    EXPECT_TRUE(prompter.Done());
    plugin.HandleMessage(host.Window(), kTerminate, 0, 0);
}

TEST(QuilletRealEngine, BindsEveryOrdinalOfTheShippedEngine)
{
    KelvexLibrary engine;
    ASSERT_TRUE(engine.Bind());
    for (int ordinal : KelvexLibrary::kOrdinals)
        EXPECT_NE(nullptr, engine.Entry(ordinal)) << ordinal;
    engine.Free();
    EXPECT_EQ(nullptr, engine.Entry(2));
}

}  // namespace
