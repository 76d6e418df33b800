// LocalScanOptions: the Local Scanner's one option record, as every scan and the options sheet see it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr int kExtensionListCapacity = 20;
constexpr int kExtensionSize = 4;  // three characters and the terminating NUL
constexpr int kScanOptionsPathSize = 100;

// The order of the "Action Upon Virus Detection" list; the scanner and the infection handling share it.
enum InfectionAction : std::int32_t {
    kActionReportOnly = 0,
    kActionDelete = 1,
    kActionRename = 2,
    kActionCure = 3,
    kActionMove = 4,
    kActionPurge = 5,
    kActionRenameAndMove = 6,
};
constexpr int kInfectionActionCount = 7;

enum ScanMode : std::int32_t { kScanFast = 0, kScanSecure = 1, kScanReviewer = 2 };

using ExtensionList = char[kExtensionListCapacity][kExtensionSize];

// The record is copied as a whole between the plug-in's copy and the sheet's, so it stays a plain block.
// The initialisers are the construction defaults, which hold only until "VEXOMAR.INI" has been read.
struct LocalScanOptions {
    std::int32_t infectionAction = kActionReportOnly;
    std::int32_t scanMode = kScanFast;
    std::int32_t unnamed1 = 1;  // not persisted, not read by the scanner
    std::int32_t scanArchives = 1;
    std::int32_t scanMailDatabases = 1;
    std::int32_t executablesOnly = 1;
    std::int32_t scanBootSector = 1;
    std::int32_t unnamed2 = 1;
    std::int32_t unnamed3 = 0;
    std::int32_t autoDisplay = 1;
    std::int32_t scanFiles = 1;
    std::int32_t executableCount = 0;
    std::int32_t archiveCount = 0;
    std::int32_t mailDatabaseCount = 0;
    ExtensionList executableExtensions = {};
    ExtensionList archiveExtensions = {};
    ExtensionList mailDatabaseExtensions = {};
    char renameExtension[kExtensionSize] = "AVB";
    char reservedText[kScanOptionsPathSize] = {};
    char moveDirectory[kScanOptionsPathSize] = {};
    std::int32_t unnamed4 = 1;
    std::int32_t interactive = 1;  // "Prompt On Action"
    std::int32_t beepOnDetect = 1;
    std::int32_t incrementalScan = 0;
    std::int32_t notifyOwner = 1;
    std::int32_t notifySender = 0;
    std::int32_t notifyAdministrator = 0;
    std::int32_t attachInfoFile = 1;
    std::int32_t scanAfter = 0;  // seconds since 1 January 1970 as mktime gives them; 0: no date limit
};

static_assert(offsetof(LocalScanOptions, infectionAction) == 0);
static_assert(offsetof(LocalScanOptions, scanMode) == 4);
static_assert(offsetof(LocalScanOptions, scanArchives) == 12);
static_assert(offsetof(LocalScanOptions, scanMailDatabases) == 16);
static_assert(offsetof(LocalScanOptions, executablesOnly) == 20);
static_assert(offsetof(LocalScanOptions, scanBootSector) == 24);
static_assert(offsetof(LocalScanOptions, autoDisplay) == 36);
static_assert(offsetof(LocalScanOptions, scanFiles) == 40);
static_assert(offsetof(LocalScanOptions, executableCount) == 44);
static_assert(offsetof(LocalScanOptions, archiveCount) == 48);
static_assert(offsetof(LocalScanOptions, mailDatabaseCount) == 52);
static_assert(offsetof(LocalScanOptions, executableExtensions) == 56);
static_assert(offsetof(LocalScanOptions, archiveExtensions) == 136);
static_assert(offsetof(LocalScanOptions, mailDatabaseExtensions) == 216);
static_assert(offsetof(LocalScanOptions, renameExtension) == 296);
static_assert(offsetof(LocalScanOptions, reservedText) == 300);
static_assert(offsetof(LocalScanOptions, moveDirectory) == 400);
static_assert(offsetof(LocalScanOptions, unnamed4) == 500);
static_assert(offsetof(LocalScanOptions, interactive) == 504);
static_assert(offsetof(LocalScanOptions, beepOnDetect) == 508);
static_assert(offsetof(LocalScanOptions, incrementalScan) == 512);
static_assert(offsetof(LocalScanOptions, notifyOwner) == 516);
static_assert(offsetof(LocalScanOptions, notifySender) == 520);
static_assert(offsetof(LocalScanOptions, notifyAdministrator) == 524);
static_assert(offsetof(LocalScanOptions, attachInfoFile) == 528);
static_assert(offsetof(LocalScanOptions, scanAfter) == 532);
static_assert(sizeof(LocalScanOptions) == 536);

// The rename actions use the rename extension, the move actions the move directory.
bool UsesRenameExtension(int action);
bool UsesMoveDirectory(int action);

// A rename extension the rename actions may give a file: one to three printable characters, none of
// them a blank or a character that file names reserve, and not an extension that the system itself
// gives meaning to (compared exactly, so "exe" passes and "EXE" does not).
bool IsValidRenameExtension(const std::string& text);
