// CTTix: the "Trouble Ticket" page: the ticket's company, location and header texts and the
// print queues the tickets go to, chosen from the network's print servers.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "admin_fv.h"
#include "network_listing.h"
#include "program_values.h"
#include "ticket_record.h"

class CAlertSettings;

// One line of "Print Queue Server List:", a tree shown by indentation.
struct PrintServerItem {
    std::string name;
    int kind = 1;  // 1: under the Microsoft network, 2: any other provider
    int depth = 0;  // 0 for providers
    bool expanded = false;
    int children = 0;
    NetResourceCopy resource;
};

class CTTix : public CAdminFV {
public:
    static constexpr UINT kHelpTopic = 3050;
    static constexpr UINT_PTR kPollTimer = 5;
    static constexpr UINT kPollMilliseconds = 15000;

    explicit CTTix(ProgramValues& values);
    ~CTTix() override;

    void Load(int first) override;
    void ReleaseItems() override;
    // Sends the queues, the header, company and location; the core's result (0 or -1 on failure).
    int Commit();

    void OnAdd();
    void OnRemove();
    void OnToggle();
    // The double click on a server line: add it, and expand or collapse what lies above servers.
    void OnServerDoubleClick();

    // The date last loaded by any trouble ticket page.
    static std::string& LastDate();
    // Whether a line stands for a print server (kind 1 at depth 2, kind 2 at depth 1).
    static bool IsPrintServer(const PrintServerItem& item);

    // State, for tests.
    std::vector<const PrintServerItem*> ServerLines() const;
    const std::vector<ticket_record::PrintQueue>& Queues() const { return m_queues; }
    int Enabled() const { return m_enabled; }
    bool Modified() const { return m_modified; }

    const MessageMap& GetMessageMap() const override;

private:
    CAlertSettings* Settings() const;
    void Refresh();
    void FillTopLevel();
    void Expand(int line);
    void Collapse(int line);
    PrintServerItem* ServerAt(int line) const;
    int InsertServer(int at, std::unique_ptr<PrintServerItem> item);
    void ShowQueues();
    bool ReadCompanyAndLocation(std::string& company, std::string& location);
    void OnUpdateToggle(CCmdUI& ui);
    void OnHelp();
    void OnReload();
    void OnFieldLeft();
    void OnDrawItem(UINT id, DRAWITEMSTRUCT& draw);
    void OnTimer(UINT_PTR id);
    void OnDestroyPage();

    ProgramValues& m_values;
    std::vector<ticket_record::PrintQueue> m_queues;
    PrintQueueHeader m_header = {};
    HIMAGELIST m_images = nullptr;
    int m_enabled = 0;
    bool m_modified = false;
    bool m_filled = false;
};
