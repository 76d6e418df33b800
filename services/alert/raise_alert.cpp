// RAISEALR.EXE: raises one alert through FENWIX.DLL, as a product would.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "fenwix.h"

namespace {

void Usage()
{
    std::printf("RAISEALR [/server NAME] [/product NAME] [/type N] [/count N] [/repeat N] TEXT\n"
                "Without /type the alert is raised as the scanner raises a detection: the text\n"
                "with type -3, then the code \"05\" with type 2 (one critical alert).\n"
                "/repeat raises the alert N times and reports the time they took.\n");
}

}  // namespace

int main(int argc, char** argv)
{
    std::string server, product = "VEXOMAR", text;
    int count = 1;
    int repeat = 1;
    bool typed = false;
    int type = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "/?") {
            Usage();
            return 0;
        }
        if (_stricmp(arg.c_str(), "/server") == 0 && hasValue)
            server = argv[++i];
        else if (_stricmp(arg.c_str(), "/product") == 0 && hasValue)
            product = argv[++i];
        else if (_stricmp(arg.c_str(), "/type") == 0 && hasValue)
            typed = true, type = std::atoi(argv[++i]);
        else if (_stricmp(arg.c_str(), "/count") == 0 && hasValue)
            count = std::atoi(argv[++i]);
        else if (_stricmp(arg.c_str(), "/repeat") == 0 && hasValue)
            repeat = std::atoi(argv[++i]);
        else
            text += (text.empty() ? "" : " ") + arg;
    }
    if (text.empty()) {
        Usage();
        return 2;
    }
    int result = 0;
    const DWORD start = GetTickCount();
    for (int i = 0; i < repeat && result == 0; ++i) {
        if (typed) {
            result = MakeAlert1(server.c_str(), type, count, product.c_str(), text.c_str(), 0);
        } else {
            result = MakeAlert1(server.c_str(), -3, count, product.c_str(), text.c_str(), 0);
            if (result == 0)
                result = MakeAlert1(server.c_str(), 2, count, product.c_str(), "05", 0);
        }
    }
    if (repeat > 1 && result == 0)
        std::printf("%d alerts in %lu ms.\n", repeat, static_cast<unsigned long>(GetTickCount() - start));
    if (result == 0)
        std::printf("Alert delivered.\n");
    else
        std::printf("Alert not delivered: error %d.\n", result);
    return result == 0 ? 0 : 1;
}
