// The signature sources: our .kvs lines, imported .ndb and .hdb lines, and their error texts.
#include <gtest/gtest.h>

#include "test_support.h"
#include "version_values.h"

namespace kelvex {
namespace {

SourceCompiler Compile(const std::string& text, SourceCompiler::Format f, const char* name = "in")
{
    SourceCompiler c;
    c.Add(text, f, name);
    return c;
}

TEST(SourceCompiler, KvsVersionDateAndEngineLines)
{
    SourceCompiler c =
        Compile("# comment\n\nversion 2.13\r\ndate 1999-03-15\nengine 1.00 1998-01-02\n", SourceCompiler::Format::Kvs);
    ASSERT_TRUE(c.Errors().empty());
    EXPECT_EQ(c.Set().versions.signatureVersion, 2013);
    EXPECT_EQ(c.Set().versions.signatureDate, (19 << 9) | (3 << 5) | 15);
    EXPECT_EQ(c.Set().versions.engineVersion, 1900);
    EXPECT_EQ(c.Set().versions.engineDate, (18 << 9) | (1 << 5) | 2);
}

TEST(SourceCompiler, KvsErrorsNameFileAndLine)
{
    SourceCompiler c = Compile("version 2.1\n"
                               "body id=1 name=A sig=aabbccdd colour=red\n"
                               "body id=0 name=B sig=aabbccdd\n"
                               "body id=2 sig=aabbccdd\n"
                               "body id=3 name=C sig=aa??bb\n"
                               "body id=4 name=D sig=aabbccdd tail=space\n"
                               "body id=5 name=\"E sig=aabb\n"
                               "hash id=6 name=F md5=0011\n"
                               "frobnicate\n"
                               "body id=7 name=G cure=restore:0:zz sig=aabbccdd\n",
        SourceCompiler::Format::Kvs, "x.kvs");
    EXPECT_EQ(c.Errors(),
        (std::vector<std::string> {
            "x.kvs:1: bad version \"2.1\" (want M.mm, M from 0 to 9)",
            "x.kvs:2: bad field \"colour=red\"",
            "x.kvs:3: bad field \"id=0\"",
            "x.kvs:4: a body line needs id, name and sig",
            "x.kvs:5: signature \"C\": every stretch between '*' gaps needs two fixed bytes in a row",
            "x.kvs:6: tail=space needs maxsize of at most 65536",
            "x.kvs:7: unclosed quote",
            "x.kvs:8: bad field \"md5=0011\"",
            "x.kvs:9: unknown keyword \"frobnicate\"",
            "x.kvs:10: bad field \"cure=restore:0:zz\"",
        }));
    EXPECT_TRUE(c.Set().bodies.empty());
}

TEST(SourceCompiler, KvsCureSpellings)
{
    SourceCompiler c = Compile("body id=1 name=A cure=truncate:-12 sig=a1a2a3a4\n"
                               "body id=2 name=B cure=restore:16:cafe sig=a1a2a3a4\n"
                               "body id=3 name=C cure=overwrite:3:40 sig=a1a2a3a4\n"
                               "body id=4 name=D cure=destructive sig=a1a2a3a4\n",
        SourceCompiler::Format::Kvs);
    ASSERT_TRUE(c.Errors().empty());
    const auto& b = c.Set().bodies;
    EXPECT_EQ(b[0].cure.method, CureMethod::Truncate);
    EXPECT_EQ(b[0].cure.truncateDelta, -12);
    EXPECT_EQ(b[1].cure.method, CureMethod::Restore);
    EXPECT_EQ(b[1].cure.data, "\xca\xfe");
    EXPECT_FALSE(b[1].cure.hasTruncate);
    EXPECT_EQ(b[2].cure.method, CureMethod::Overwrite);
    EXPECT_EQ(b[2].cure.fill, 0);
    EXPECT_EQ(b[3].cure.method, CureMethod::Destructive);
}

TEST(SourceCompiler, NdbLinesWithOffsetsAndLevels)
{
    SourceCompiler c = Compile("Test.One:0:*:4d5a9000{4}50450000\n"
                               "Test.Two:0:128:aabbccdd:51\n"
                               "Test.Three:0:EOF-20,4:aabbccdd:51:255\n"
                               "Test.One:0:10,30:00112233\n",
        SourceCompiler::Format::Ndb);
    ASSERT_TRUE(c.Errors().empty()) << c.Errors()[0];
    const auto& b = c.Set().bodies;
    ASSERT_EQ(b.size(), 4u);
    EXPECT_EQ(b[0].anchor, AnchorKind::Floating);
    EXPECT_EQ(b[1].anchor, AnchorKind::FromStart);
    EXPECT_EQ(b[1].anchorOffset, 128u);
    EXPECT_EQ(b[2].anchor, AnchorKind::FromEnd);
    EXPECT_EQ(b[2].anchorOffset, 20u);
    EXPECT_EQ(b[2].anchorWindow, 4u);
    EXPECT_EQ(b[3].anchorOffset, 10u);
    EXPECT_EQ(b[3].anchorWindow, 30u);
    // Names share an identifier; new names take the next one.
    EXPECT_EQ(b[0].id, 0x1000);
    EXPECT_EQ(b[1].id, 0x1001);
    EXPECT_EQ(b[3].id, 0x1000);
}

TEST(SourceCompiler, NdbRefusalsSayWhy)
{
    SourceCompiler c = Compile("Pe.Thing:1:*:aabbccdd\n"
                               "Ep.Thing:0:EP+10:aabbccdd\n"
                               "Short:0:*\n"
                               "Level:0:*:aabbccdd:x\n"
                               "Bad:0:*:aa{2\n",
        SourceCompiler::Format::Ndb, "a.ndb");
    EXPECT_EQ(c.Errors(),
        (std::vector<std::string> {
            "a.ndb:1: target type 1 is not supported; only 0 (any file)",
            "a.ndb:2: offset \"EP+10\" is not supported (use *, n, n,m, EOF-n or EOF-n,m)",
            "a.ndb:3: expected Name:TargetType:Offset:HexSig[:MinFL[:MaxFL]]",
            "a.ndb:4: bad functionality level \"x\"",
            "a.ndb:5: signature \"Bad\": unclosed '{'",
        }));
}

TEST(SourceCompiler, HdbLines)
{
    SourceCompiler c = Compile("44d88612fea8a8f36de82e1278abb02f:68:Hash.One\n"
                               "44d88612fea8a8f36de82e1278abb02f:*:Hash.Two\n"
                               "1234:5:Hash.Three\n",
        SourceCompiler::Format::Hdb, "h.hdb");
    ASSERT_EQ(c.Set().hashes.size(), 1u);
    EXPECT_EQ(c.Set().hashes[0].size, 68u);
    EXPECT_EQ(c.Set().hashes[0].name, "Hash.One");
    EXPECT_EQ(c.Errors(),
        (std::vector<std::string> {
            "h.hdb:2: file size \"*\" is not supported; give the size in bytes",
            "h.hdb:3: expected MD5:FileSize:Name",
        }));
}

TEST(SourceCompiler, FormatFollowsTheExtension)
{
    SourceCompiler::Format f;
    ASSERT_TRUE(SourceCompiler::FormatOf("x/MAIN.NDB", f));
    EXPECT_EQ(f, SourceCompiler::Format::Ndb);
    ASSERT_TRUE(SourceCompiler::FormatOf("a.hdb", f));
    EXPECT_EQ(f, SourceCompiler::Format::Hdb);
    EXPECT_FALSE(SourceCompiler::FormatOf("a.txt", f));
}

TEST(SourceCompiler, ShippedSourceCompilesCompletely)
{
    SourceCompiler c;
    EXPECT_TRUE(c.AddFile(std::string(KELVEX_SIGNATURES_DIR) + "/default.kvs"));
    EXPECT_EQ(c.Set().bodies.size(), 8u);
    EXPECT_EQ(c.Set().hashes.size(), 1u);
    EXPECT_EQ(VersionText(c.Set().versions.signatureVersion), "1.01");
}

TEST(SourceCompiler, NamesAreOneShortPrintableLineAndVersionsFourCharacters)
{
    const std::string name64(64, 'n');
    SourceCompiler ok = Compile("body id=1 name=" + name64 + " sig=aabbccdd\n", SourceCompiler::Format::Kvs);
    EXPECT_TRUE(ok.Errors().empty());
    SourceCompiler kvs = Compile("body id=1 name=" + name64 +
            "x sig=aabbccdd\n"
            "body id=2 name=\"tab\there\" sig=aabbccdd\n"
            "hash id=3 name=\"ctrl\x1az\" size=4 md5=00112233445566778899aabbccddeeff\n"
            "version 10.00\n"
            "version 9.99\n"
            "engine 12.00 2026-01-01\n",
        SourceCompiler::Format::Kvs, "n.kvs");
    EXPECT_EQ(kvs.Errors(),
        (std::vector<std::string> {
            "n.kvs:1: name \"" + name64 + "...\" is longer than 64 characters",
            "n.kvs:2: name holds the control character 0x09",
            "n.kvs:3: name holds the control character 0x1A",
            "n.kvs:4: bad version \"10.00\" (want M.mm, M from 0 to 9)",
            "n.kvs:6: bad engine line (want: engine M.mm YYYY-MM-DD, M from 0 to 9)",
        }));
    EXPECT_TRUE(kvs.Set().bodies.empty());
    EXPECT_TRUE(kvs.Set().hashes.empty());
    SourceCompiler ndb = Compile("Long" + name64 + ":0:*:aabbccdd\nBell\x07:0:*:aabbccdd\nFine:0:*:aabbccdd\n",
        SourceCompiler::Format::Ndb, "i.ndb");
    EXPECT_EQ(ndb.Errors(),
        (std::vector<std::string> {
            "i.ndb:1: name \"Long" + name64.substr(0, 60) + "...\" is longer than 64 characters",
            "i.ndb:2: name holds the control character 0x07",
        }));
    EXPECT_EQ(ndb.Set().bodies.size(), 1u);
    SourceCompiler hdb = Compile("00112233445566778899aabbccddeeff:10:Del\x7f\n", SourceCompiler::Format::Hdb, "i.hdb");
    EXPECT_EQ(hdb.Errors(), (std::vector<std::string> {"i.hdb:1: name holds the control character 0x7F"}));
    uint16_t v = 0;
    EXPECT_TRUE(EncodeVersion("9.99", v));
    EXPECT_EQ(VersionText(v), "9.99");
    EXPECT_FALSE(EncodeVersion("10.00", v));
}

}  // namespace
}  // namespace kelvex
