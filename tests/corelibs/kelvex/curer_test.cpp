// Each cure method on the shipped harmless test viruses, with the exact bytes left behind.
#include <gtest/gtest.h>

#include "curer.h"
#include "sector_source.h"
#include "test_support.h"

namespace kelvex {
namespace {

Scanner Shipped()
{
    SourceCompiler c;
    EXPECT_TRUE(c.AddFile(std::string(KELVEX_SIGNATURES_DIR) + "/default.kvs"));
    Scanner s;
    std::string error;
    EXPECT_TRUE(s.Load(c.Set(), error)) << error;
    return s;
}

struct Outcome {
    uint16_t status;
    std::string bytes;
    std::string name;
};

Outcome CureBytes(const Scanner& s, const std::string& bytes)
{
    MemorySource file(bytes);
    Detection d;
    const uint16_t status = Curer(s).Cure(file, ScanOptions {}, d);
    return {status, file.Bytes(), d.index >= 0 ? s.NameOf(d) : ""};
}

const std::string kHost = std::string("MZ\x90\x00\x03\x00\x00\x00", 8) + "host program body";
std::string AppendBody()
{
    return test::Rev(":YDOB.DNEPPA.XVK") + std::string("\x01\x02\x03\x04") + test::Rev("RMXV") + "rest of the virus";
}

TEST(Curer, CleanFileNeedsNothing)
{
    Outcome o = CureBytes(Shipped(), kHost);
    EXPECT_EQ(o.status, kCureNothingFound);
    EXPECT_EQ(o.bytes, kHost);
}

TEST(Curer, TruncateRemovesTheAppendedBody)
{
    Outcome o = CureBytes(Shipped(), kHost + AppendBody());
    EXPECT_EQ(o.status, kCureTruncated);
    EXPECT_EQ(o.bytes, kHost);
    EXPECT_EQ(o.name, "Kelvex-Test-Append");
}

TEST(Curer, RestorePutsBackSavedBytesAndCuts)
{
    std::string infected = kHost;
    infected.replace(0, 8, "JMPVIRUS");
    infected += test::Rev("YDOB.EROTSER.XVK") + std::string("0123456789") + test::Rev("RTSR") + "tail";
    Outcome o = CureBytes(Shipped(), infected);
    EXPECT_EQ(o.status, kCureRestored);
    EXPECT_EQ(o.bytes, kHost);
}

TEST(Curer, OverwriteBlanksTheBlockInPlace)
{
    const std::string block = test::Rev("[KCOLB.ORCAM.XVK") + std::string("0123456789abcdef") + "]";
    Outcome o = CureBytes(Shipped(), "before " + block + " after");
    EXPECT_EQ(o.status, kCureOverwritten);
    EXPECT_EQ(o.bytes, "before " + std::string(33, ' ') + " after");
}

TEST(Curer, DestructiveAndUncurableAreReportedAndLeaveTheFile)
{
    const std::string over = test::Rev(".RETIRWREVO.XVK") + std::string("xxxx") + test::Rev("DNE.RWVO") + "rest";
    Outcome o = CureBytes(Shipped(), over);
    EXPECT_EQ(o.status, kCureDestructive);
    EXPECT_EQ(o.bytes, over);
    const std::string eicar = test::EicarString();
    o = CureBytes(Shipped(), eicar);
    EXPECT_EQ(o.status, kCureCannot);
    EXPECT_EQ(o.bytes, eicar);
    EXPECT_EQ(o.name, "EICAR-Test-File");
}

TEST(Curer, TwoDifferentRepairsInOneFileGiveTheMixedStatus)
{
    const std::string block = test::Rev("[KCOLB.ORCAM.XVK") + std::string(16, 'q') + "]";
    Outcome o = CureBytes(Shipped(), kHost + block + AppendBody());
    EXPECT_EQ(o.status, kCureMixed);
    EXPECT_EQ(o.bytes, kHost + std::string(33, ' '));
}

TEST(Curer, ARepairThatDoesNotTakeIsAFailure)
{
    // The cut point would lie before the start of the file.
    Scanner s = test::MakeScanner("body id=9 name=Bad cure=truncate:-100 sig=b1b2b3b4\n");
    Outcome o = CureBytes(s, "ab" + test::FromHex("b1b2b3b4"));
    EXPECT_EQ(o.status, kCureFailed);
    // A repair that leaves the virus where it was.
    Scanner again = test::MakeScanner("body id=9 name=Stays cure=overwrite:0:1:b1 sig=b1b2b3b4\n");
    EXPECT_EQ(CureBytes(again, test::FromHex("b1b2b3b4")).status, kCureFailed);
}

class ReadOnly : public MemorySource {
public:
    using MemorySource::MemorySource;
    bool Write(uint64_t, const void*, size_t) override { return false; }
    bool Truncate(uint64_t) override { return false; }
};

TEST(Curer, UnwritableFileFails)
{
    ReadOnly file(kHost + AppendBody());
    Detection d;
    EXPECT_EQ(Curer(Shipped()).Cure(file, ScanOptions {}, d), kCureFailed);
}

TEST(Curer, NeutralizedBootSectorKeepsDiskParameters)
{
    std::string sector(512, '\x11');
    sector.replace(62, 16, test::Rev("!ROTCES.TOOB.XVK"));
    std::string before = sector;
    ASSERT_TRUE(Curer::NeutralizeBootSector(sector));
    EXPECT_EQ(test::Hex(sector.substr(0, 3)), "eb3c90");
    EXPECT_EQ(sector.substr(3, 59), before.substr(3, 59));
    EXPECT_EQ(test::Hex(sector.substr(62, 4)), "cd180000");
    EXPECT_EQ(sector.substr(64, 446), std::string(446, '\0'));
    EXPECT_EQ(test::Hex(sector.substr(510)), "55aa");
    std::string shortSector(100, 0);
    EXPECT_FALSE(Curer::NeutralizeBootSector(shortSector));
}

TEST(Curer, BootMarkerIsBlankedByItsCure)
{
    std::string sector(512, '\0');
    sector.replace(62, 16, test::Rev("!ROTCES.TOOB.XVK"));
    Outcome o = CureBytes(Shipped(), sector);
    EXPECT_EQ(o.status, kCureOverwritten);
    EXPECT_EQ(o.bytes, std::string(512, '\0'));
}

// A sector keeps its 512 bytes: a cure that would cut it is refused, and nothing changes.
TEST(Curer, ACutInsideASectorIsRefusedAndTheSectorKeepsItsSize)
{
    std::string sector(512, '\x33');
    sector.replace(100, AppendBody().size(), AppendBody());
    SectorSource source(sector);
    Detection d;
    EXPECT_EQ(Curer(Shipped()).Cure(source, ScanOptions {}, d), kCureCannot);
    EXPECT_EQ(source.Bytes(), sector);
    // Restoring saved bytes and then cutting is refused the same way.
    std::string restore(512, '\x44');
    const std::string body = test::Rev("YDOB.EROTSER.XVK") + std::string("0123456789") + test::Rev("RTSR");
    restore.replace(200, body.size(), body);
    SectorSource second(restore);
    EXPECT_EQ(Curer(Shipped()).Cure(second, ScanOptions {}, d), kCureCannot);
    EXPECT_EQ(second.Bytes(), restore);
    // A write past the sector's end is refused rather than growing it.
    EXPECT_FALSE(second.Write(510, "abc", 3));
    EXPECT_EQ(second.Size(), 512u);
}

TEST(Curer, AnOverwriteInsideASectorStillCures)
{
    std::string sector(512, '\0');
    sector.replace(62, 16, test::Rev("!ROTCES.TOOB.XVK"));
    SectorSource source(sector);
    Detection d;
    EXPECT_EQ(Curer(Shipped()).Cure(source, ScanOptions {}, d), kCureOverwritten);
    EXPECT_EQ(source.Bytes(), std::string(512, '\0'));
}

// Records the largest single write, to see that a long fill goes out in pieces.
class WriteRecorder : public MemorySource {
public:
    using MemorySource::MemorySource;
    bool Write(uint64_t offset, const void* data, size_t size) override
    {
        largest = std::max(largest, size);
        return MemorySource::Write(offset, data, size);
    }
    size_t largest = 0;
};

TEST(Curer, ALongOverwriteIsWrittenInPiecesWithTheExactFill)
{
    Scanner s = test::MakeScanner("body id=9 name=Long cure=overwrite:-4:200000:41 sig=b1b2b3b4\n");
    std::string file(300000, 'z');
    file.replace(4, 4, test::FromHex("b1b2b3b4"));
    WriteRecorder source(file);
    Detection d;
    EXPECT_EQ(Curer(s).Cure(source, ScanOptions {}, d), kCureOverwritten);
    EXPECT_EQ(source.Bytes(), std::string(200000, 'A') + std::string(100000, 'z'));
    EXPECT_LE(source.largest, 64u * 1024);
    // A range running past the end is refused before anything is written.
    Scanner past = test::MakeScanner("body id=9 name=Past cure=overwrite:0:300000:41 sig=b1b2b3b4\n");
    WriteRecorder untouched(file);
    EXPECT_EQ(Curer(past).Cure(untouched, ScanOptions {}, d), kCureFailed);
    EXPECT_EQ(untouched.largest, 0u);
}

}  // namespace
}  // namespace kelvex
