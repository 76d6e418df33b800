// The settings, status and statistics records: exact offsets and refusals.
#include <gtest/gtest.h>

#include "credentials_file.h"
#include "server_config.h"
#include "server_status.h"
#include "state_word.h"

TEST(ServerConfig, RecordsAreThreeLittleEndianWords)
{
    const ConfigRecord record = EncodeServiceConfig({7, 90, 1});
    EXPECT_EQ((ConfigRecord {7, 0, 0, 0, 90, 0, 0, 0, 1, 0, 0, 0}), record);
    const LogConfig log = DecodeLogConfig({0x10, 0x27, 0, 0, 30, 0, 0, 0, 5, 0, 0, 0});
    EXPECT_EQ(10000u, log.maxMessages);
    EXPECT_EQ(30u, log.purgeDays);
    EXPECT_EQ(5u, log.filterBits);
}

TEST(ServerConfig, PayloadKeepsEveryRecordInOrder)
{
    ServerConfig config;
    config.service = EncodeServiceConfig({1, 2, 0});
    config.activityLog = EncodeLogConfig({3, 4, 5});
    config.scanLog = EncodeLogConfig({6, 7, 1});
    for (std::size_t i = 0; i < kBroadcastRecordSize; ++i)
        config.broadcast[i] = std::uint8_t(0x80 + i);
    config.scanIntervalMinutes = 0x01020304;
    const std::vector<std::uint8_t> payload = EncodeServerConfig(config);
    ASSERT_EQ(72u, payload.size());
    EXPECT_EQ(2, payload[4]);
    EXPECT_EQ(3, payload[12]);
    EXPECT_EQ(6, payload[24]);
    EXPECT_EQ(0x80, payload[36]);
    EXPECT_EQ(0x9F, payload[67]);
    EXPECT_EQ((std::vector<std::uint8_t> {4, 3, 2, 1}), std::vector<std::uint8_t>(payload.begin() + 68, payload.end()));
    const auto decoded = DecodeServerConfig(payload);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(config.broadcast, decoded->broadcast);
    EXPECT_EQ(config.scanLog, decoded->Record(ConfigKind::ScanLog));
    EXPECT_EQ(0x01020304u, decoded->scanIntervalMinutes);
    EXPECT_FALSE(DecodeServerConfig(std::vector<std::uint8_t>(71)));
    EXPECT_FALSE(DecodeServerConfig(std::vector<std::uint8_t>(73)));
}

TEST(ServerConfig, DefaultBroadcastIsBothProtocolsFiveMinutesOneDay)
{
    const BroadcastRecord record = DefaultBroadcast();
    EXPECT_EQ(3, record[0]);
    EXPECT_EQ(300 & 0xFF, record[4]);
    EXPECT_EQ(300 >> 8, record[5]);
    EXPECT_EQ(24, record[8]);
    for (std::size_t i = 12; i < kBroadcastRecordSize; ++i)
        EXPECT_EQ(0, record[i]);
}

TEST(ScanStatistics, FieldsSitAtTheirOffsets)
{
    ScanStatistics s;
    s.progress = 100;
    s.jobState = kJobDone;
    s.foldersScanned = 1;
    s.filesScanned = 2;
    s.filesInfected = 3;
    s.virusesFound = 4;
    s.filesNotScanned = 5;
    s.filesToScan = 6;
    s.startTime = 0x1122334455667788ull;
    s.targetName = "ALPHA";
    s.targetFolder = "C:\\SITE\\ALPHA";
    s.currentFile = "C:\\SITE\\ALPHA\\a.txt";
    s.lastVirus = "EICAR-Test-File";
    const ScanStatisticsRecord r = EncodeScanStatistics(s);
    EXPECT_EQ(0x00, r[0]);
    EXPECT_EQ(0x04, r[1]);
    EXPECT_EQ(100, r[4]);
    EXPECT_EQ(0x08, r[9]);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(i + 1, r[16 + 4 * i]);
    EXPECT_EQ(0x88, r[40]);
    EXPECT_EQ(0x11, r[47]);
    EXPECT_EQ('A', r[56]);
    EXPECT_EQ('C', r[120]);
    EXPECT_EQ('a', r[380 + 14]);
    EXPECT_EQ('E', r[640]);
    const ScanStatistics back = DecodeScanStatistics(r);
    EXPECT_EQ(s.currentFile, back.currentFile);
    EXPECT_EQ(s.lastVirus, back.lastVirus);
    EXPECT_EQ(6u, back.filesToScan);
}

TEST(ScanStatistics, OverlongTextsAreCutAndStayTerminated)
{
    ScanStatistics s;
    s.targetName = std::string(100, 'N');
    s.currentFile = std::string(400, 'F');
    const ScanStatisticsRecord r = EncodeScanStatistics(s);
    EXPECT_EQ(0, r[56 + 63]);
    EXPECT_EQ(0, r[380 + 259]);
    EXPECT_EQ(63u, DecodeScanStatistics(r).targetName.size());
    EXPECT_EQ(259u, DecodeScanStatistics(r).currentFile.size());
}

TEST(ServerStatus, RoundTripAndLength)
{
    ServerStatus status;
    status.stateWord = kStateRunning | kJobDone | kRealTimeActive;
    status.versions = {MakeVersion(1, 0), MakeVersion(1, 1), MakeVersion(1, 0), MakeVersion(6, 1)};
    status.lastScanTime = 1765000000;
    status.heartbeat = 1765000100;
    status.tableCounts = {1, 2, 3};
    status.statistics.filesScanned = 9;
    const auto payload = EncodeServerStatus(status);
    ASSERT_EQ(1092u, payload.size());
    EXPECT_EQ(0x01, payload[0]);
    EXPECT_EQ(0x18, payload[1]);
    const auto back = DecodeServerStatus(payload);
    ASSERT_TRUE(back);
    EXPECT_EQ(status.versions, back->versions);
    EXPECT_EQ(status.tableCounts, back->tableCounts);
    EXPECT_EQ(9u, back->statistics.filesScanned);
    auto badRecord = payload;
    badRecord[69] = 0;  // the statistics record's own size field (1024 = 00 04 00 00)
    EXPECT_FALSE(DecodeServerStatus(badRecord));
    EXPECT_FALSE(DecodeServerStatus(std::vector<std::uint8_t>(payload.begin(), payload.end() - 1)));
}

TEST(ServerStatus, AnInstanceSilentBeyondTheTimeOutIsInactive)
{
    ServerStatus status;
    status.stateWord = kStateRunning;
    status.heartbeat = 1000;
    EXPECT_EQ(kStateRunning, LiveStateWord(status, 1180, 180));
    EXPECT_EQ(0u, LiveStateWord(status, 1181, 180));
    EXPECT_EQ(kStateRunning, LiveStateWord(status, 500, 180)) << "a clock set back";
}

TEST(ServerStatus, ATimeOutShorterThanTheHeartbeatsIsTakenAsThreeHeartbeats)
{
    ServerStatus status;
    status.stateWord = kStateRunning;
    status.heartbeat = 1000;
    EXPECT_EQ(kStateRunning, LiveStateWord(status, 1000 + 90, 0));
    EXPECT_EQ(0u, LiveStateWord(status, 1000 + 91, 0));
    EXPECT_EQ(0u, LiveStateWord(status, 1000 + 91, 60));
}

TEST(StateWord, EngineVersionsBecomePanelVersions)
{
    EXPECT_EQ(0x00010000u, VersionFromEngine(1900));
    EXPECT_EQ(0x00010001u, VersionFromEngine(1901));
    EXPECT_EQ(0x00030001u, MakeVersion(3, 1));
    EXPECT_EQ(0u, VersionFromEngine(0));
}

TEST(CredentialsFile, UsersIgnoreCasePasswordsDoNot)
{
    const auto file = CredentialsFile::Parse("; accounts\r\nadmin=Secret\r\n=nobody\r\n\r\nOPER=\r\n");
    EXPECT_EQ(CredentialsFile::Check::Accepted, file.Verify("ADMIN", "Secret"));
    EXPECT_EQ(CredentialsFile::Check::WrongPassword, file.Verify("admin", "secret"));
    EXPECT_EQ(CredentialsFile::Check::UnknownUser, file.Verify("guest", "Secret"));
    EXPECT_EQ(CredentialsFile::Check::UnknownUser, file.Verify("", "nobody")) << "a line without a user is no account";
    EXPECT_EQ(CredentialsFile::Check::Accepted, file.Verify("oper", ""));
}
