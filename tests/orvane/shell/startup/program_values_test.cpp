// The program's shared values: the application name rule, the local server and the help file.
#include <gtest/gtest.h>

#include <string>

#include "program_values.h"

TEST(ProgramValues, TheHelpFileTakesTheProgramsNameWithTheHelpExtension)
{
    EXPECT_EQ("C:\\VEXOMAR\\ORVANE.HLP", HelpFileFor("C:\\VEXOMAR\\ORVANE.EXE"));
    // A dot in a folder's name is no extension of the program's.
    EXPECT_EQ("C:\\ALERT.V2\\ORVANE.HLP", HelpFileFor("C:\\ALERT.V2\\ORVANE"));
    // A bare name, with no folder at all, still loses its extension.
    EXPECT_EQ("ORVANE.HLP", HelpFileFor("ORVANE.EXE"));
    EXPECT_EQ("ORVANE.HLP", HelpFileFor("ORVANE"));
}

TEST(ProgramValues, AnApplicationNameIsTakenWholeOrNotAtAll)
{
    ProgramValues values;
    EXPECT_TRUE(values.SetApplicationName(std::string(23, 'N').c_str()));
    EXPECT_EQ(std::string(23, 'N'), values.applicationName);
    EXPECT_FALSE(values.SetApplicationName(std::string(24, 'L').c_str()));
    EXPECT_EQ(std::string(23, 'N'), values.applicationName) << "a refused name leaves the current one";
    EXPECT_TRUE(values.SetApplicationName("ALERT"));
    EXPECT_STREQ("ALERT", values.applicationName);
    EXPECT_EQ(0, values.applicationName[5]) << "no tail of the longer name stays behind";
    EXPECT_FALSE(ProgramValues::FitsApplicationName(nullptr));
}

TEST(ProgramValues, TheLocalServerIsThisComputerWhateverItsCase)
{
    ProgramValues values;
    std::string local = LocalComputerName();
    ASSERT_FALSE(local.empty());
    for (char& c : local)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    lstrcpynA(values.serverName, local.c_str(), sizeof values.serverName);
    EXPECT_TRUE(values.IsLocalServer());
    lstrcpynA(values.serverName, "SOMEWHERE-ELSE", sizeof values.serverName);
    EXPECT_FALSE(values.IsLocalServer());
}
