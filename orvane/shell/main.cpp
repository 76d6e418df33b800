// The Alert Manager's entry point.
#include <windows.h>

#include "orvane_app.h"

namespace {

COrvaneApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    return theApp.WinMainBody(instance, commandLine, show);
}
