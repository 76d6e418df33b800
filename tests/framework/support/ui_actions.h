// Acting on windows as a person would: clicks, typing, and flushing the message queue.
#pragma once

#include <windows.h>

#include <string>

// A button click on control `id` of `parent`, as the button itself reports it.
void Click(HWND parent, int id);
// Replaces the text of control `id`.
void TypeText(HWND parent, int id, const std::string& text);
// Dispatches every message waiting in this thread's queue.
void FlushMessages();
// Whether the control `id` of `parent` is enabled.
bool IsItemEnabled(HWND parent, int id);
