// Parsing the site description and finding a server's data directory.
#include "site_description.h"

#include <gtest/gtest.h>

namespace {

TEST(SiteDescription, DomainsHoldTheServersBelowThem)
{
    bool ok = false;
    const auto site = SiteDescription::Parse("; two domains\r\n"
                                             "[WORKGROUP]\r\n"
                                             "ALPHA = C:\\SITE\\ALPHA\r\n"
                                             "\r\n"
                                             "[ SALES ]\n"
                                             "beta=D:\\data dir\\beta  \n",
        nullptr, &ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(2u, site.Servers().size());
    EXPECT_EQ((std::vector<std::string> {"WORKGROUP", "SALES"}), site.Domains());
    const SiteServer* beta = site.Find("BETA");
    ASSERT_NE(nullptr, beta);
    EXPECT_EQ("beta", beta->name);
    EXPECT_EQ("SALES", beta->domain);
    EXPECT_EQ("D:\\data dir\\beta", beta->dataDirectory);
    EXPECT_EQ("C:\\SITE\\ALPHA", site.Find("alpha")->dataDirectory);
    EXPECT_EQ(nullptr, site.Find("GAMMA"));
}

struct BadSite {
    const char* text;
    int line;
};

TEST(SiteDescription, MistakesNameTheirLine)
{
    const BadSite cases[] = {
        {"ALPHA=C:\\A\n", 1},
        {"[D]\nALPHA\n", 2},
        {"[D]\n=C:\\A\n", 2},
        {"[D]\nALPHA=\n", 2},
        {"[D]\nALPHA=C:\\A\nalpha=C:\\B\n", 3},
        {"[D\n", 1},
        {"[]\n", 1},
        {"[D]\n..\\X\\Y=C:\\A\n", 2},
    };
    for (const BadSite& bad : cases) {
        bool ok = true;
        SiteDescription::ParseError error;
        const auto site = SiteDescription::Parse(bad.text, &error, &ok);
        EXPECT_FALSE(ok) << bad.text;
        EXPECT_EQ(bad.line, error.line) << bad.text;
        EXPECT_TRUE(site.Servers().empty());
    }
    bool ok = true;
    SiteDescription::Parse("[D]\n" + std::string(64, 'N') + "=C:\\A\n", nullptr, &ok);
    EXPECT_FALSE(ok);
    SiteDescription::Parse("[D]\n" + std::string(63, 'N') + "=C:\\A\n", nullptr, &ok);
    EXPECT_TRUE(ok);
}

TEST(SiteDescription, DefaultIsOneWorkgroupWithTheLocalComputer)
{
    const auto site = SiteDescription::Default("HOST");
    ASSERT_EQ(1u, site.Servers().size());
    EXPECT_EQ("WORKGROUP", site.Servers()[0].domain);
    EXPECT_EQ("HOST", site.Servers()[0].name);
    EXPECT_EQ("", site.Servers()[0].dataDirectory);
}

}  // namespace
