// The prompter seam, the scripted prompter and the string-table helpers.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "framework.h"
#include "scripted_prompter.h"
#include "test_resource.h"

namespace {

TEST(Prompter, ScriptedPrompterAnswersTheExpectedTextWithTheScriptedButton)
{
    ScriptedPrompter prompter;
    prompter.Expect("Delete Selected Extension", IDCANCEL).ExpectBeep(MB_ICONEXCLAMATION);
    EXPECT_EQ(IDCANCEL, Prompt("Delete Selected Extension", MB_OKCANCEL));
    EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL), prompter.LastType());
    SoundBeep(MB_ICONEXCLAMATION);
    EXPECT_TRUE(prompter.Done());
}

TEST(Prompter, ScriptedPrompterRefusesAnUnexpectedText)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            prompter.Expect("Extension may not be blank.");
            EXPECT_EQ(IDCANCEL, Prompt("Extension may not be blank"));
        },
        "message box \"Extension may not be blank\" where \"Extension may not be blank.\" was expected");
}

TEST(Prompter, ScriptedPrompterRefusesAMessageWhenNoneIsScripted)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            Prompt("Surprise");
        },
        "unexpected message box \"Surprise\"");
}

TEST(Prompter, ScriptedPrompterReportsAMessageThatNeverCame)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            prompter.Expect("Could not Start Service.");
        },
        "expected message box \"Could not Start Service.\" was never shown");
}

TEST(Prompter, StringIdsAreShownFromTheModuleStringTable)
{
    ScriptedPrompter prompter;
    prompter.Expect("Hello from the string table", IDYES);
    EXPECT_EQ(IDYES, PromptId(IDS_HELLO, MB_YESNO));
}

TEST(Strings, LoadResStringGivesTheExactTextOrNothing)
{
    EXPECT_EQ("Make a new item\nNew item", LoadResString(ID_TEST_NEW));
    EXPECT_EQ("", LoadResString(4242));
}

TEST(Strings, FormattedTextsUseTheTableEntryAsFormat)
{
    EXPECT_EQ("Logon Failed ! Please Retry, [Error Code is 53 ]", FormatResString(IDS_FORMAT, 53));
    EXPECT_EQ("v3.01", FormatText("v%u.%02u", 3u, 1u));
    std::string longText(5000, 'x');
    EXPECT_EQ(longText + "!", FormatText("%s!", longText.c_str()));
}

TEST(Strings, PromptPartsSplitStatusTextAndToolTip)
{
    EXPECT_EQ("Make a new item", PromptPart(LoadResString(ID_TEST_NEW), false));
    EXPECT_EQ("New item", PromptPart(LoadResString(ID_TEST_NEW), true));
    EXPECT_EQ("Logon Remote Server", PromptPart("Logon Remote Server", false));
    EXPECT_EQ("", PromptPart("Logon Remote Server", true));
}

}  // namespace
