// MD5 against the test suite of its RFC, fed whole and in uneven pieces.
#include <gtest/gtest.h>

#include "md5.h"
#include "test_support.h"

namespace kelvex {
namespace {

std::string Digest(const std::string& s, size_t piece)
{
    Md5 md5;
    for (size_t i = 0; i < s.size(); i += piece)
        md5.Update(s.data() + i, std::min(piece, s.size() - i));
    auto d = md5.Final();
    return test::Hex(std::string(d.begin(), d.end()));
}

TEST(Md5, MatchesTheReferenceDigests)
{
    EXPECT_EQ(Digest("", 1), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(Digest("abc", 1), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(Digest("message digest", 5), "f96b697d7cb7938d525a2f31aaf161d0");
    const std::string digits = "12345678901234567890123456789012345678901234567890123456789012345678901234567890";
    EXPECT_EQ(Digest(digits, 80), "57edf4a22be3c955ac49da2e2107b67a");
    EXPECT_EQ(Digest(digits, 7), "57edf4a22be3c955ac49da2e2107b67a");
    EXPECT_EQ(Digest(digits, 64), "57edf4a22be3c955ac49da2e2107b67a");
}

}  // namespace
}  // namespace kelvex
