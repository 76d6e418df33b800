// The application object of the framework tests' module.
#include "test_app.h"

#include <commctrl.h>

#include "test_resource.h"

namespace {

CTestApp g_app;

}  // namespace

CTestApp::CTestApp() : CWinApp("Framework Tests")
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
}

const MessageMap& CTestApp::GetMessageMap() const
{
    static const MessageMap map(CWinApp::GetMessageMap(),
        {
            on::Command(ID_TEST_APP, &CTestApp::OnAppCommand),
        });
    return map;
}

CTestApp& TestApp()
{
    return g_app;
}
