// The application object of the framework tests' module.
#include <windows.h>

#include <commctrl.h>

#include "framework.h"

namespace {

struct TestApp : CWinApp {
    TestApp() : CWinApp("Framework Tests")
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_DATE_CLASSES};
        InitCommonControlsEx(&controls);
    }
};

TestApp g_app;

}  // namespace
