// Reading report lines from list boxes, edit controls and column lists.
#include "window_sources.h"

#include <algorithm>
#include <vector>

#include "col_list.h"
#include "report_text.h"

bool ListBoxSource::Empty() const
{
    LRESULT count = SendMessageA(listBox_, LB_GETCOUNT, 0, 0);
    return count == LB_ERR || count <= 0;
}

bool ListBoxSource::Next(std::string& line)
{
    LRESULT count = SendMessageA(listBox_, LB_GETCOUNT, 0, 0);
    if (count == LB_ERR || next_ >= count)
        return false;
    const int index = next_++;
    LRESULT length = SendMessageA(listBox_, LB_GETTEXTLEN, index, 0);
    line.clear();
    if (length == LB_ERR || length <= 0)
        return true;
    // The whole item is read (LB_GETTEXT knows no buffer size), then cut.
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(listBox_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    if (got != LB_ERR && got > 0)
        line.assign(text.data(), static_cast<size_t>(std::min<LRESULT>(got, length)));
    if (line.size() > report_text::kLineLimit)
        line.resize(report_text::kLineLimit);
    return true;
}

bool EditSource::Empty() const
{
    return GetWindowTextLengthA(edit_) == 0;
}

bool EditSource::Next(std::string& line)
{
    LRESULT count = SendMessageA(edit_, EM_GETLINECOUNT, 0, 0);
    if (next_ >= count)
        return false;
    // EM_GETLINE takes the buffer's size in its first word and copies at most that much.
    std::vector<char> text(report_text::kLineLimit + 1, '\0');
    *reinterpret_cast<WORD*>(text.data()) = static_cast<WORD>(report_text::kLineLimit);
    LRESULT got = SendMessageA(edit_, EM_GETLINE, next_++, reinterpret_cast<LPARAM>(text.data()));
    line.assign(text.data(), got > 0 ? static_cast<size_t>(got) : 0);
    return true;
}

bool ColListSource::Empty() const
{
    return list_.ItemCount() <= 0;
}

bool ColListSource::Next(std::string& line)
{
    if (next_ >= list_.ItemCount())
        return false;
    line = list_.GetItemText(next_++).substr(0, report_text::kLineLimit);
    return true;
}
