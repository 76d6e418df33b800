// The help of the log pages: the program's help file opened at a page's topic.
#pragma once

#include <windows.h>

#include <functional>

// How a page opens its help; tests replace it to see which topic was asked for.
using PageHelpOpener = std::function<void(HWND owner, UINT topic)>;

// Help topics of the pages in the program's help file.
constexpr UINT kAlertSummaryHelpTopic = 3010;
constexpr UINT kActivityLogHelpTopic = 3030;

// Opens the help file beside the program (its own name with the extension "HLP") at `topic`.
void OpenPageHelp(HWND owner, UINT topic);
