// TestPanelHost: a small MDI frame that answers a plug-in's requests as told and keeps what it was sent.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

class TestPanelHost {
public:
    enum class Answer { Create, RefuseMissingResource, RefuseQuietly };

    TestPanelHost();
    ~TestPanelHost();
    TestPanelHost(const TestPanelHost&) = delete;
    TestPanelHost& operator=(const TestPanelHost&) = delete;

    HWND Window() const { return m_frame; }
    HWND Client() const { return m_client; }
    Answer answer = Answer::Create;
    // Runs inside the host's handling of a request, before it answers (a re-entrant open).
    std::function<void()> duringRequest;

    // Every MDI child request as its 32 bytes, the title it named, and the module that asked.
    std::vector<std::array<unsigned char, 32>> requests;
    std::vector<std::string> titles;
    std::vector<std::string> statusTexts;

private:
    static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnRequest(WPARAM wParam, LPARAM lParam);

    HWND m_frame = nullptr;
    HWND m_client = nullptr;
};

// The bytes of `value` as they lie in memory, for comparing records.
std::array<unsigned char, 32> Bytes32(const void* value);
// Little-endian 32-bit word at `offset`.
unsigned Word(const std::array<unsigned char, 32>& bytes, size_t offset);
// The class name of a window.
std::string ClassOf(HWND window);
std::string TextOf(HWND window);
