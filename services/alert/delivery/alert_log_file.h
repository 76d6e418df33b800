// Appending to ALERT.LOG, which the recorder, every delivery worker and the Alert Manager share.
#pragma once

#include <string>

#include "civil_time.h"

// Appends in one write, sharing the file with readers and with the Alert Manager's truncation,
// so lines from several workers never interleave within a line.
bool AppendToAlertLog(const std::string& path, const std::string& text);

// This computer's local date and time, as the log's stamps show it.
CivilTime LocalCivilTime();
