// The line the messenger's record file (VXMSGR /log FILE) keeps of each window it showed.
#pragma once

#include <string>

namespace shown_message_record {

// "<caption> TAB <text>" and CR LF: the caption and the text as the window shows them, with
// a backslash, CR, LF and TAB in either written as \\, \r, \n and \t, so one window is one line.
std::string Line(const std::string& caption, const std::string& text);

}  // namespace shown_message_record
