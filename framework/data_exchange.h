// Data exchange between a dialog's controls and its data, with validation.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd& dialog, bool saveAndValidate);

    // The control about to be exchanged (a failure puts the focus on it), or null when it is
    // missing or an earlier field has failed.
    HWND PrepareControl(int id);
    // Marks the exchange failed: shows `message` (when not empty) and focuses the last control.
    void Fail(const std::string& message);

    CWnd& m_dialog;
    bool m_bSaveAndValidate;
    bool m_failed = false;
    int m_lastControl = 0;
};

// An edit's text. With `maxLength` the edit is limited to it, and a longer text (set by
// program) is refused on saving.
void ExchangeText(CDataExchange& exchange, int id, std::string& value, int maxLength = 0);
// A fixed buffer: the edit is limited to the buffer's size less its terminator.
void ExchangeTextBuffer(CDataExchange& exchange, int id, char* buffer, size_t size);
template <size_t N> void ExchangeText(CDataExchange& exchange, int id, char (&buffer)[N])
{
    ExchangeTextBuffer(exchange, id, buffer, N);
}
// A whole number in an edit, refused outside [minimum, maximum].
void ExchangeInt(CDataExchange& exchange, int id, int& value, int minimum, int maximum);
// A check box: 0 clear, 1 checked, 2 indeterminate.
void ExchangeCheck(CDataExchange& exchange, int id, int& value);
// A group of radio buttons starting at `firstId`: the index of the checked one, -1 for none.
void ExchangeRadio(CDataExchange& exchange, int firstId, int& value);
// A combo box's selected index (-1 for none).
void ExchangeComboIndex(CDataExchange& exchange, int id, int& index);
// A combo box's text: a drop-down list selects the exact string, an editable combo shows it.
void ExchangeComboText(CDataExchange& exchange, int id, std::string& value, int maxLength = 0);
