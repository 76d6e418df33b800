// A throw-away Alert home for one test: the registry's "Home" points at a fresh temp folder,
// and the values a test may change are put back afterwards.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class ScratchAlertHome {
public:
    explicit ScratchAlertHome(const std::string& name);
    ~ScratchAlertHome();
    ScratchAlertHome(const ScratchAlertHome&) = delete;
    ScratchAlertHome& operator=(const ScratchAlertHome&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& relative) const { return m_path + "\\" + relative; }

    // Points the site description at a file holding this text (inside the scratch folder).
    void UseSite(const std::string& text);
    void ForgetHome();

    static void WriteBytes(const std::string& path, const std::vector<BYTE>& bytes);
    static std::vector<BYTE> ReadBytes(const std::string& path);
    static std::string ReadText(const std::string& path);

private:
    std::string m_path;
    std::optional<std::string> m_savedHome;
    std::optional<std::string> m_savedSite;
    std::optional<std::string> m_savedCompany;
    std::optional<std::string> m_savedLocation;
};

void RemoveTree(const std::string& path);
