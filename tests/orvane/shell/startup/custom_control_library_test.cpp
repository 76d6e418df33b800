// The custom control library: loaded by name, with its justification switch turned on.
#include <gtest/gtest.h>

#include "custom_control_library.h"
#include "framework.h"
#include "startup_ids.h"

namespace {

using Justify = BOOL(WINAPI*)(BOOL);

Justify JustificationOf(HMODULE library)
{
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
    return reinterpret_cast<Justify>(GetProcAddress(library, "EnableStatic3DJustification"));
#pragma GCC diagnostic pop
}

}  // namespace

TEST(CustomControls, TheLibraryLoadsByNameWithJustificationSwitchedOn)
{
    HMODULE library = LoadCustomControls();
    ASSERT_NE(nullptr, library);
    EXPECT_EQ(GetModuleHandleA("QVCTRLU.DLL"), library);
    Justify justify = JustificationOf(library);
    ASSERT_NE(nullptr, justify);
    // The switch answers its previous setting: on, as start-up left it.
    EXPECT_TRUE(justify(FALSE));
    FreeLibrary(library);
}

TEST(CustomControls, AMissingLibraryGivesNull)
{
    EXPECT_EQ(nullptr, LoadCustomControls("NOQVCTRL.DLL"));
    EXPECT_EQ("Can not run this test without custom ctrl DLL QVCTRL.DLL !", LoadResString(IDS_CUSTOM_CONTROLS_MISSING));
}

TEST(CustomControls, ALibraryWithoutTheSwitchStillLoads)
{
    HMODULE library = LoadCustomControls("VERSION.DLL");
    ASSERT_NE(nullptr, library);
    EXPECT_EQ(nullptr, JustificationOf(library));
    FreeLibrary(library);
}
