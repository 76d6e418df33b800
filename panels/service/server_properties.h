// The property list of one server: the string-table lines filled from its server object.
#pragma once

#include <string>
#include <vector>

#include "server_node.h"
#include "server_row.h"

// The rows "label TAB value TAB order key" of lines 4100-4105 and 4107-4117; a line whose
// value is " " is a section heading and stays as it is.
std::vector<std::string> ServerPropertyRows(const ServerNode& server, const ServerStateTexts& texts);

// The last scan's date and time in the system's short formats without seconds; "00-00-00"
// and "00:00" when the server has finished no job.
std::string LastScanDate(DWORD secondsSince1970);
std::string LastScanTime(DWORD secondsSince1970);
