// The framework tests' application object: counts the commands that reach it.
#pragma once

#include "framework.h"

class CTestApp : public CWinApp {
public:
    CTestApp();
    int appCommands = 0;
    const MessageMap& GetMessageMap() const override;
    void OnAppCommand() { ++appCommands; }
};

CTestApp& TestApp();
