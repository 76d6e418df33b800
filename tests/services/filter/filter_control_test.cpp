// The filter devices' state logic: every code against its buffer lengths, and what a closed handle undoes.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "filter_control.h"

namespace {

using vxmflt::ControlAnswer;
using vxmflt::Device;
using vxmflt::FilterControl;

const int kScanner = 1;
const int kService = 2;
const void* const kScannerHandle = &kScanner;
const void* const kServiceHandle = &kService;

ControlAnswer Send(FilterControl& control, Device device, std::uint32_t code, const void* input = nullptr,
    std::uint32_t inputLength = 0, const void* opener = kScannerHandle)
{
    return control.Control(device, opener, code, input, inputLength, nullptr, 0);
}

ControlAnswer SendClass(
    FilterControl& control, std::uint32_t code, std::uint32_t heldClass, const void* opener = kScannerHandle)
{
    return Send(control, Device::Hold, code, &heldClass, sizeof heldClass, opener);
}

std::vector<std::uint8_t> ExcludeBytes(std::uint8_t active, const char16_t* folder)
{
    std::vector<std::uint8_t> bytes(1026, 0);
    bytes[0] = active;
    for (std::size_t i = 0; folder[i]; ++i)
        std::memcpy(bytes.data() + 2 + 2 * i, &folder[i], 2);
    return bytes;
}

ControlAnswer SendExclude(
    FilterControl& control, const std::vector<std::uint8_t>& bytes, const void* opener = kScannerHandle)
{
    return Send(
        control, Device::Scan, vxmflt::kExcludeFolder, bytes.data(), static_cast<std::uint32_t>(bytes.size()), opener);
}

std::vector<std::uint8_t> QueryStateBytes(FilterControl& control, Device device = Device::Scan)
{
    std::vector<std::uint8_t> out(40, 0xEE);
    const ControlAnswer answer =
        control.Control(device, kServiceHandle, vxmflt::kQueryState, nullptr, 0, out.data(), 40);
    EXPECT_EQ(answer.status, vxmflt::kStatusSuccess);
    EXPECT_EQ(answer.written, 32u);
    return out;
}

std::vector<std::uint8_t> StateBytes(
    std::uint32_t scanner, std::uint32_t held, std::uint32_t exclude, std::uint32_t count)
{
    const std::uint32_t words[8] = {32, 1, scanner, held, exclude, count, 0, 0};
    std::vector<std::uint8_t> bytes(40, 0xEE);
    std::memcpy(bytes.data(), words, sizeof words);
    return bytes;
}

TEST(FilterControlTest, FreshDriverAnswersAnIdleStateAndAnEmptyFolder)
{
    FilterControl control;
    EXPECT_EQ(QueryStateBytes(control), StateBytes(0, 0, 0, 0));
    std::uint8_t out[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    const ControlAnswer answer =
        control.Control(Device::Scan, kServiceHandle, vxmflt::kQueryExcluded, nullptr, 0, out, sizeof out);
    EXPECT_EQ(answer.status, vxmflt::kStatusSuccess);
    EXPECT_EQ(answer.written, 2u);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 0);
    EXPECT_EQ(out[2], 0xEE);
}

TEST(FilterControlTest, ScannerStartAndShutdownSequencesSetAndClearTheState)
{
    FilterControl control;
    EXPECT_EQ(Send(control, Device::Scan, vxmflt::kScannerStart).status, vxmflt::kStatusSuccess);
    EXPECT_EQ(SendClass(control, vxmflt::kHoldClass, 5).status, vxmflt::kStatusSuccess);
    EXPECT_EQ(SendExclude(control, ExcludeBytes(1, u"C:\\TEMP")).status, vxmflt::kStatusSuccess);
    EXPECT_EQ(QueryStateBytes(control), StateBytes(1, 0x20, 1, 3));
    // The hold device answers the same query.
    EXPECT_EQ(QueryStateBytes(control, Device::Hold), StateBytes(1, 0x20, 1, 3));

    EXPECT_EQ(Send(control, Device::Scan, vxmflt::kScannerStop).status, vxmflt::kStatusSuccess);
    EXPECT_EQ(SendClass(control, vxmflt::kReleaseClass, 5).status, vxmflt::kStatusSuccess);
    EXPECT_EQ(SendExclude(control, ExcludeBytes(0, u"C:\\TEMP")).status, vxmflt::kStatusSuccess);
    EXPECT_EQ(QueryStateBytes(control), StateBytes(0, 0, 0, 6));
}

TEST(FilterControlTest, ExcludedFolderComesBackWithItsNulInTheSameBuffer)
{
    FilterControl control;
    ASSERT_EQ(SendExclude(control, ExcludeBytes(1, u"C:\\windows\\temp")).status, vxmflt::kStatusSuccess);
    // Buffered requests share one buffer for input and output; a stale longer folder must
    // not show through either.
    std::vector<std::uint8_t> buffer = ExcludeBytes(1, u"C:\\A");
    ASSERT_EQ(SendExclude(control, buffer).status, vxmflt::kStatusSuccess);
    buffer.assign(1026, 0xEE);
    const ControlAnswer answer =
        control.Control(Device::Scan, kServiceHandle, vxmflt::kQueryExcluded, buffer.data(), 1026, buffer.data(), 1026);
    EXPECT_EQ(answer.status, vxmflt::kStatusSuccess);
    ASSERT_EQ(answer.written, 10u);
    const std::vector<std::uint8_t> expected = {'C', 0, ':', 0, '\\', 0, 'A', 0, 0, 0, 0xEE};
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + 11), expected);
    EXPECT_EQ(control.ExcludedLength(), 4u);
}

TEST(FilterControlTest, FolderOfTheLongestLengthIsKeptAndOneWithoutItsNulRefused)
{
    FilterControl control;
    std::vector<std::uint8_t> longest(1026, 0);
    longest[0] = 1;
    for (std::size_t unit = 0; unit < 511; ++unit)
        longest[2 + 2 * unit] = 'x';
    ASSERT_EQ(SendExclude(control, longest).status, vxmflt::kStatusSuccess);
    EXPECT_EQ(control.ExcludedLength(), 511u);

    std::vector<std::uint8_t> out(1024, 0xEE);
    EXPECT_EQ(
        control.Control(Device::Scan, kServiceHandle, vxmflt::kQueryExcluded, nullptr, 0, out.data(), 1023).status,
        vxmflt::kStatusBufferTooSmall);
    const ControlAnswer full =
        control.Control(Device::Scan, kServiceHandle, vxmflt::kQueryExcluded, nullptr, 0, out.data(), 1024);
    EXPECT_EQ(full.written, 1024u);
    EXPECT_EQ(out[1020], 'x');
    EXPECT_EQ(out[1022], 0);

    std::vector<std::uint8_t> unterminated(1026, 'y');
    unterminated[0] = 1;
    EXPECT_EQ(SendExclude(control, unterminated).status, vxmflt::kStatusInvalidParameter);
    EXPECT_EQ(control.ExcludedLength(), 511u);
    EXPECT_EQ(QueryStateBytes(control), StateBytes(0, 0, 1, 1));
}

TEST(FilterControlTest, ShortOrMissingBuffersAreRefusedAndChangeNothing)
{
    FilterControl control;
    const std::vector<std::uint8_t> request = ExcludeBytes(1, u"C:\\TEMP");
    EXPECT_EQ(Send(control, Device::Scan, vxmflt::kExcludeFolder, request.data(), 1025).status,
        vxmflt::kStatusInvalidParameter);
    EXPECT_EQ(
        Send(control, Device::Scan, vxmflt::kExcludeFolder, nullptr, 1026).status, vxmflt::kStatusInvalidParameter);
    const std::uint32_t heldClass = 5;
    EXPECT_EQ(Send(control, Device::Hold, vxmflt::kHoldClass, &heldClass, 3).status, vxmflt::kStatusInvalidParameter);
    EXPECT_EQ(Send(control, Device::Hold, vxmflt::kHoldClass).status, vxmflt::kStatusInvalidParameter);
    EXPECT_EQ(Send(control, Device::Hold, vxmflt::kReleaseClass, nullptr, 4).status, vxmflt::kStatusInvalidParameter);

    std::uint8_t out[32] = {};
    EXPECT_EQ(control.Control(Device::Scan, kServiceHandle, vxmflt::kQueryState, nullptr, 0, out, 31).status,
        vxmflt::kStatusBufferTooSmall);
    EXPECT_EQ(control.Control(Device::Scan, kServiceHandle, vxmflt::kQueryState, nullptr, 0, nullptr, 32).status,
        vxmflt::kStatusBufferTooSmall);
    EXPECT_EQ(control.Control(Device::Scan, kServiceHandle, vxmflt::kQueryExcluded, nullptr, 0, out, 1).status,
        vxmflt::kStatusBufferTooSmall);
    EXPECT_EQ(QueryStateBytes(control), StateBytes(0, 0, 0, 0));
}

TEST(FilterControlTest, CodesOfTheOtherDeviceUnknownCodesAndClassesOutOfRangeAreRefused)
{
    FilterControl control;
    EXPECT_EQ(Send(control, Device::Hold, vxmflt::kScannerStart).status, vxmflt::kStatusInvalidDeviceRequest);
    EXPECT_EQ(SendExclude(control, ExcludeBytes(1, u"C:\\")).status, vxmflt::kStatusSuccess);
    const std::uint32_t heldClass = 5;
    EXPECT_EQ(
        Send(control, Device::Scan, vxmflt::kHoldClass, &heldClass, 4).status, vxmflt::kStatusInvalidDeviceRequest);
    EXPECT_EQ(Send(control, Device::Scan, 0x81530034).status, vxmflt::kStatusInvalidDeviceRequest);
    EXPECT_EQ(SendClass(control, vxmflt::kHoldClass, 32).status, vxmflt::kStatusInvalidParameter);
    EXPECT_EQ(SendClass(control, vxmflt::kHoldClass, 0xFFFFFFFF).status, vxmflt::kStatusInvalidParameter);
    EXPECT_EQ(SendClass(control, vxmflt::kHoldClass, 31).status, vxmflt::kStatusSuccess);
    EXPECT_EQ(SendClass(control, vxmflt::kHoldClass, 0).status, vxmflt::kStatusSuccess);
    EXPECT_EQ(QueryStateBytes(control), StateBytes(0, 0x80000001, 1, 3));
}

TEST(FilterControlTest, ClosingTheScannersHandlesUndoesWhatTheySet)
{
    FilterControl control;
    const int holdHandle = 3;
    Send(control, Device::Scan, vxmflt::kScannerStart);
    SendClass(control, vxmflt::kHoldClass, 5, &holdHandle);
    SendExclude(control, ExcludeBytes(1, u"C:\\TEMP"));

    // Another reader coming and going changes nothing.
    control.HandleClosed(kServiceHandle);
    control.HandleClosed(nullptr);
    EXPECT_EQ(QueryStateBytes(control), StateBytes(1, 0x20, 1, 3));

    control.HandleClosed(kScannerHandle);
    EXPECT_EQ(QueryStateBytes(control), StateBytes(0, 0x20, 0, 3));
    control.HandleClosed(&holdHandle);
    EXPECT_EQ(QueryStateBytes(control), StateBytes(0, 0, 0, 3));
}

TEST(FilterControlTest, AHandleThatEndedItsOwnScanLeavesALaterScanAlone)
{
    FilterControl control;
    const int laterScanner = 4;
    Send(control, Device::Scan, vxmflt::kScannerStart);
    Send(control, Device::Scan, vxmflt::kScannerStop);
    SendExclude(control, ExcludeBytes(0, u"C:\\TEMP"));
    Send(control, Device::Scan, vxmflt::kScannerStart, nullptr, 0, &laterScanner);
    control.HandleClosed(kScannerHandle);
    EXPECT_EQ(QueryStateBytes(control), StateBytes(1, 0, 0, 4));
}

}  // namespace
