// Scratch files of the Local Scanner's Wine tests: the temporary folder and a whole file's bytes.
#pragma once

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

inline std::string TempFolder()
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return folder;
}

inline std::string TempPath(const char* name)
{
    return TempFolder() + name;
}

inline std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
