// Files compressed by the system's mscompress tool expand to the original bytes.
#include <gtest/gtest.h>

#include "compressed_file.h"
#include "szdd_decoder.h"
#include "szdd_encoder.h"
#include "test_files.h"

namespace torpin {
namespace {

TEST(SzddTool, ExpandsWhatMscompressWrote)
{
    test::TempDir work, temp;
    test::Bytes text = test::textContent(500000, 21), noise = test::noiseContent(50000, 22);
    test::writeFile(work.path() / "SETUP.EXE", text);
    test::writeFile(work.path() / "DATA.BIN", noise);
    ASSERT_TRUE(test::runIn(work.path(), "mscompress SETUP.EXE DATA.BIN"));
    TempFileFactory temps;
    temps.setDirectory(temp.str());
    std::string path;
    ASSERT_EQ(expandCompressedFile((work.path() / "SETUP.EXE_").string(), temps, path), ExtractStatus::Ok);
    EXPECT_EQ(test::readFile(path), text);
    EXPECT_EQ(path.substr(path.size() - 4), ".EXE");
    ASSERT_EQ(expandCompressedFile((work.path() / "DATA.BIN_").string(), temps, path), ExtractStatus::Ok);
    EXPECT_EQ(test::readFile(path), noise);
}

TEST(SzddTool, OurEncoderMatchesTheToolsReader)
{
    test::TempDir work;
    test::Bytes text = test::textContent(100000, 23);
    test::writeFile(work.path() / "OURS.TX_", test::szddEncode(text));
    ASSERT_TRUE(test::runIn(work.path(), "msexpand < OURS.TX_ > ours.txt"));
    EXPECT_EQ(test::readFile(work.path() / "ours.txt"), text);
}

}  // namespace
}  // namespace torpin
