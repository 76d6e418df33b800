// CMessageWindow: the window that shows one received message, with its sender and OK.
#pragma once

#include <windows.h>

#include <string>

#include "dialog.h"
#include "messenger_message.h"

class CMessageWindow : public CDialog {
public:
    CMessageWindow(MessengerMessage message, const SYSTEMTIME& received);
    ~CMessageWindow() override;

    // Each further open window is moved this far right and down, so that a burst of
    // messages shows as a cascade rather than one window over the others.
    static constexpr int kCascadeStep = 24;
    static constexpr int kCascadeDepth = 8;

    // Message windows open now.
    static int OpenCount() { return s_open; }

    // Creates and shows the window modeless; it deletes itself when closed.
    static CMessageWindow* Show(const MessengerMessage& message, const SYSTEMTIME& received);

    BOOL OnInitDialog() override;

    // The caption and the text as the window shows them.
    std::string Caption() const;
    std::string ShownText() const;

private:
    MessengerMessage m_message;
    SYSTEMTIME m_received;
    static int s_open;
};
