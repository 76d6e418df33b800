// The start-up resources: the two start-up strings and the dialog templates' sizes and fonts.
#include <gtest/gtest.h>

#include <string>

#include "module.h"
#include "startup_ids.h"

namespace {

struct TemplateInfo {
    DWORD style = 0;
    short cx = 0;
    short cy = 0;
    std::string caption;
    WORD pointSize = 0;
    std::string face;
};

// Reads past a template's menu, class, caption and font fields (each a resource id or a
// NUL-terminated UTF-16 string).
const WORD* SkipOrd(const WORD* field, std::string* text = nullptr)
{
    if (*field == 0xFFFF)
        return field + 2;
    std::string read;
    while (*field)
        read += static_cast<char>(*field++);
    if (text)
        *text = read;
    return field + 1;
}

TemplateInfo ReadTemplate(UINT id)
{
    TemplateInfo info;
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), reinterpret_cast<LPCSTR>(RT_DIALOG));
    if (!found)
        return info;
    const auto* dialog = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(nullptr, found)));
    info.style = dialog->style;
    info.cx = dialog->cx;
    info.cy = dialog->cy;
    const WORD* field = reinterpret_cast<const WORD*>(dialog + 1);
    field = SkipOrd(field);  // menu
    field = SkipOrd(field);  // class
    field = SkipOrd(field, &info.caption);  // caption
    if (dialog->style & DS_SETFONT) {
        info.pointSize = *field++;
        SkipOrd(field, &info.face);
    }
    return info;
}

}  // namespace

TEST(StartupResources, TheStartUpStringsReadAsTheProgramShowsThem)
{
    EXPECT_EQ("Alert Manager detected the Alert install was not completed.", LoadResString(61241));
    EXPECT_EQ("ALERT Server Admin is running already!", LoadResString(61242));
}

TEST(StartupResources, EveryStartUpDialogUsesMsSansSerif8)
{
    for (UINT id : {100u, 101u, 134u, 188u}) {
        TemplateInfo info = ReadTemplate(id);
        EXPECT_EQ(8, info.pointSize) << id;
        EXPECT_EQ("MS Sans Serif", info.face) << id;
    }
}

TEST(StartupResources, TheDialogsHaveTheirCaptionsAndSizes)
{
    TemplateInfo about = ReadTemplate(IDD_STARTUP_ABOUT);
    EXPECT_EQ("Alert for Windows NT v2.0 ", about.caption);
    EXPECT_EQ(359, about.cx);
    EXPECT_EQ(249, about.cy);
    TemplateInfo connect = ReadTemplate(IDD_CONNECT_SERVER);
    EXPECT_EQ("Connect Alert Server", connect.caption);
    EXPECT_EQ(225, connect.cx);
    EXPECT_EQ(108, connect.cy);
    EXPECT_EQ("Exchange Mail Configuration", ReadTemplate(IDD_EXCHANGE_MAIL).caption);
    TemplateInfo splash = ReadTemplate(IDD_STARTUP_SPLASH);
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_VISIBLE), splash.style & (WS_POPUP | WS_VISIBLE));
    EXPECT_NE(static_cast<DWORD>(WS_CAPTION), splash.style & WS_CAPTION) << "no title bar";
}
