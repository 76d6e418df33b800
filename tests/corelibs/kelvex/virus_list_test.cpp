// virus.lst: the exact text, and the fields the Local Scanner cuts out of lines 1 and 3.
#include <gtest/gtest.h>

#include "test_support.h"
#include "virus_list_writer.h"

namespace kelvex {
namespace {

// What the scanner takes from a line read in text mode: the four characters before the last two.
std::string Field(const std::string& crlfLine)
{
    std::string line = crlfLine.substr(0, crlfLine.size() - 2) + "\n";
    return line.size() > 10 ? line.substr(line.size() - 6, 4) : "";
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> out;
    size_t at = 0, nl;
    while ((nl = text.find("\r\n", at)) != std::string::npos) {
        out.push_back(text.substr(at, nl + 2 - at));
        at = nl + 2;
    }
    return out;
}

TEST(VirusList, ExactTextSortedWithoutDuplicates)
{
    SourceCompiler c;
    c.Add("version 1.01\ndate 2026-12-08\n"
          "body id=1 name=beta sig=a1a2a3a4\nbody id=2 name=Alpha sig=b1b2b3b4\n"
          "body id=3 name=beta sig=c1c2c3c4\nhash id=4 name=Gamma size=1 md5=00000000000000000000000000000000\n",
        SourceCompiler::Format::Kvs, "t");
    ASSERT_TRUE(c.Errors().empty());
    EXPECT_EQ(VirusListWriter::Text(c.Set()),
        "Signature file version [1.01]\r\n"
        "Signature file date [2026-12-08]\r\n"
        "Number of viruses detected [   3]\r\n"
        "----------------------------------------\r\n"
        "Alpha\r\nbeta\r\nGamma\r\n");
    std::vector<std::string> lines = Lines(VirusListWriter::Text(c.Set()));
    EXPECT_EQ(Field(lines[0]), "1.01");
    EXPECT_EQ(Field(lines[2]), "   3");
}

TEST(VirusList, LargeCountsStayFourCharacters)
{
    SignatureSet set;
    for (int i = 0; i < 12345; ++i) {
        HashSignature h;
        h.name = "N" + std::to_string(i);
        set.hashes.push_back(h);
    }
    EXPECT_EQ(Field(Lines(VirusListWriter::Text(set))[2]), " 12k");
}

}  // namespace
}  // namespace kelvex
