// CEmail: the "Email" page, the alert mail's recipients, subject, return receipt and attached files.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "admin_fv.h"
#include "mail_record.h"
#include "program_values.h"
#include "simple_mapi.h"

class CAlertSettings;

class CEmail : public CAdminFV {
public:
    static constexpr UINT kHelpTopic = 3061;
    static constexpr UINT_PTR kPollTimer = 5;
    static constexpr UINT kPollMilliseconds = 15000;

    // Binds Simple MAPI from "MAPI32.DLL".
    explicit CEmail(ProgramValues& values);
    // With the given binding (tests hand a recording one).
    CEmail(ProgramValues& values, std::unique_ptr<SimpleMapi> mapi);
    ~CEmail() override;

    // 1 once: makes the controls and starts the poll. Every call: reads the settings again when
    // the application's configuration date moved on since the last load of any e-mail page.
    void Load(int first) override;
    void ReleaseItems() override;
    // Sends the lists, the subject, the return receipt and the files to the core.
    void Commit();

    void OnAddress();
    void OnAttach();
    void OnDetach();
    void OnToggle();
    void OnReceiptCommand();
    void OnSetupSubject();
    void OnHelp();

    // The date last loaded by any e-mail page.
    static std::string& LastDate();

    // State, for tests.
    int Enabled() const { return m_enabled; }
    const MailRecord& Mail() const { return m_mail; }
    HWND Control(UINT id) const { return GetDlgItem(static_cast<int>(id)); }
    std::vector<std::string> Lines(UINT listId) const;

    const MessageMap& GetMessageMap() const override;

private:
    int OnCreatePage(CREATESTRUCTA& create);
    void CreateControls();
    void LayOut(int width, int height);
    void OnSizePage(UINT type, int cx, int cy);
    void OnTimer(UINT_PTR id);
    void OnDestroyPage();
    void OnSubjectLeft();
    void OnUpdateAddress(CCmdUI& ui);
    void OnUpdateToggle(CCmdUI& ui);
    void OnUpdateReceipt(CCmdUI& ui);

    void Show();
    // Signs in to the mail system before the address book: true with `m_session` open, false on Cancel.
    bool SignIn();
    // Puts the address book's answer into the lists; names that do not fit a record are named
    // in one message and left out.
    void TakeChosenRecipients(ULONG count, const MapiRecipDesc* recipients);
    CAlertSettings* Settings() const;

    ProgramValues& m_values;
    std::unique_ptr<SimpleMapi> m_mapi;
    LHANDLE m_session = 0;
    MailRecord m_mail = {};
    MailAttachments m_attachments = {};
    int m_enabled = 0;
    // Set by ReleaseItems: the next load reads the settings whatever the date says.
    bool m_stale = false;
    HFONT m_font = nullptr;
    TEXTMETRICA m_metrics = {};
};
