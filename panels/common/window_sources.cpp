// Reading report lines from list boxes, edit controls and column lists.
#include "window_sources.h"

#include <algorithm>
#include <vector>

#include "col_list.h"
#include "report_text.h"

bool ListBoxSource::Empty() const
{
    LRESULT count = SendMessageA(m_listBox, LB_GETCOUNT, 0, 0);
    return count == LB_ERR || count <= 0;
}

bool ListBoxSource::Next(std::string& line)
{
    LRESULT count = SendMessageA(m_listBox, LB_GETCOUNT, 0, 0);
    if (count == LB_ERR || m_next >= count)
        return false;
    const int index = m_next++;
    LRESULT length = SendMessageA(m_listBox, LB_GETTEXTLEN, index, 0);
    line.clear();
    if (length == LB_ERR || length <= 0)
        return true;
    // The whole item is read (LB_GETTEXT knows no buffer size), then cut.
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(m_listBox, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    if (got != LB_ERR && got > 0)
        line.assign(text.data(), static_cast<size_t>(std::min<LRESULT>(got, length)));
    if (line.size() > report_text::kLineLimit)
        line.resize(report_text::kLineLimit);
    return true;
}

bool EditSource::Empty() const
{
    return GetWindowTextLengthA(m_edit) == 0;
}

bool EditSource::Next(std::string& line)
{
    LRESULT count = SendMessageA(m_edit, EM_GETLINECOUNT, 0, 0);
    if (m_next >= count)
        return false;
    // EM_GETLINE takes the buffer's size in its first word and copies at most that much.
    std::vector<char> text(report_text::kLineLimit + 1, '\0');
    *reinterpret_cast<WORD*>(text.data()) = static_cast<WORD>(report_text::kLineLimit);
    LRESULT got = SendMessageA(m_edit, EM_GETLINE, m_next++, reinterpret_cast<LPARAM>(text.data()));
    line.assign(text.data(), got > 0 ? static_cast<size_t>(got) : 0);
    return true;
}

bool ColListSource::Empty() const
{
    return m_list.ItemCount() <= 0;
}

bool ColListSource::Next(std::string& line)
{
    if (m_next >= m_list.ItemCount())
        return false;
    line = m_list.GetItemText(m_next++).substr(0, report_text::kLineLimit);
    return true;
}
