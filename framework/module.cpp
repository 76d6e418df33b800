// The module's instance, resources, string table and text formatting.
#include "module.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "win_app.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

int g_faults = 0;

std::string FormatArgs(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length <= 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    return std::string(buffer.data(), static_cast<size_t>(length));
}

}  // namespace

HINSTANCE ModuleInstance()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

HINSTANCE ResourceInstance()
{
    CWinApp* app = CWinApp::Get();
    if (app && app->m_hResource)
        return app->m_hResource;
    return ModuleInstance();
}

std::string LoadResString(HINSTANCE module, UINT id)
{
    // A string table entry holds at most 4095 characters; one call with the largest buffer
    // avoids guessing and retrying.
    std::vector<char> buffer(4100);
    int length = LoadStringA(module, id, buffer.data(), static_cast<int>(buffer.size()));
    return length > 0 ? std::string(buffer.data(), static_cast<size_t>(length)) : std::string();
}

std::string LoadResString(UINT id)
{
    return LoadResString(ResourceInstance(), id);
}

std::string FormatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = FormatArgs(format, args);
    va_end(args);
    return text;
}

std::string FormatResString(UINT id, ...)
{
    std::string format = LoadResString(id);
    va_list args;
    va_start(args, id);
    std::string text = FormatArgs(format.c_str(), args);
    va_end(args);
    return text;
}

std::string PromptPart(const std::string& prompt, bool toolTip)
{
    size_t newline = prompt.find('\n');
    if (newline == std::string::npos)
        return toolTip ? std::string() : prompt;
    return toolTip ? prompt.substr(newline + 1) : prompt.substr(0, newline);
}

void ReportFault(const char* where, const char* what)
{
    ++g_faults;
    std::string text = FormatText("Vexomar framework: fault in %s: %s\n", where, what);
    OutputDebugStringA(text.c_str());
}

int FaultCount()
{
    return g_faults;
}
