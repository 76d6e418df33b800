// The hourglass cursor for the span of a long operation.
#include "wait_cursor.h"

CWaitCursor::CWaitCursor() : m_previous(SetCursor(LoadCursor(nullptr, IDC_WAIT)))
{
}

CWaitCursor::~CWaitCursor()
{
    SetCursor(m_previous ? m_previous : LoadCursor(nullptr, IDC_ARROW));
}

void CWaitCursor::Restore()
{
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
}
