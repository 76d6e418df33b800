// A small dialog of the tests that is its own data.
#pragma once

#include <string>

#include "framework.h"
#include "test_resource.h"

class CNameDialog : public CDialog {
public:
    explicit CNameDialog(CWnd* parent = nullptr) : CDialog(IDD_NAME, parent) { }

    std::string name;
    int enabled = 0;
    int mode = 0;
    std::string kind = "All Files";
    int count = 5;

    BOOL OnInitDialog() override
    {
        HWND combo = GetDlgItem(IDC_KIND);
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Executable Files"));
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("All Files"));
        return CDialog::OnInitDialog();
    }

    void DoDataExchange(CDataExchange& exchange) override
    {
        ExchangeText(exchange, IDC_NAME, name, 8);
        ExchangeCheck(exchange, IDC_ENABLED, enabled);
        ExchangeRadio(exchange, IDC_MODE_FAST, mode);
        ExchangeComboText(exchange, IDC_KIND, kind);
        ExchangeInt(exchange, IDC_COUNT, count, 1, 20);
    }

    void OnOK() override
    {
        if (!UpdateData(true))
            return;
        if (name.empty()) {
            PromptId(IDS_NAME_EMPTY, MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        EndDialog(IDOK);
    }
};
