// CNetworkRecipientPage: what the broadcast and event-log pages share: the network browse tree,
// the four buttons and the sorted, owner-drawn list of machines and domains, sent to the core at once.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "admin_fv.h"
#include "net_tree.h"
#include "program_values.h"

class CAlertSettings;

class CNetworkRecipientPage : public CAdminFV {
public:
    static constexpr UINT_PTR kPollTimer = 5;
    static constexpr UINT kPollMilliseconds = 15000;
    static constexpr int kLineHeight = 20;

    ~CNetworkRecipientPage() override;

    // 1 once: makes the three columns, fills the tree and starts the poll. Every call: the refresh.
    void Load(int first) override;
    void ReleaseItems() override;

    // Re-reads the list when the configuration date moved on since any page of this kind loaded.
    void Refresh();
    // Sends every line to the core; false when the cache refused it.
    bool Commit();

    void OnAdd();
    void OnAddAll();
    void OnRemove();
    void OnRemoveAll();
    void OnToggle();

    // State, for tests.
    CNetTree& NetTree() { return m_tree; }
    HWND Recipients() const { return m_list; }
    std::vector<std::string> Lines() const;
    int Enabled() const { return m_enabled; }
    bool Modified() const { return m_modified; }

    const MessageMap& GetMessageMap() const override;

protected:
    struct Shape {
        UINT templateId;
        int freeKind;  // AlertFreeCheckEverySetting after a consumed list
        UINT helpTopic;
    };

    CNetworkRecipientPage(ProgramValues& values, Shape shape, std::string& lastDate);

    // The method's Get through the cache: fills enabled and array, answers the count.
    virtual int ReadList(CAlertSettings& settings, int& enabled, void*& array) = 0;
    // The method's Set through the cache, which takes the array over.
    virtual int SendList(CAlertSettings& settings, WORD count, void* array) = 0;

    ProgramValues& m_values;

private:
    enum class Added { kAdded, kDuplicate, kTooLong, kNone };

    CAlertSettings* Settings() const;
    void BuildColumns();
    void Layout(bool creating);
    Added AddName(const std::string& name);
    void AddItem(HTREEITEM item, bool warn);
    void Rebuild(const BYTE* array, int count);
    void EnableButtons(bool add, bool remove);
    void OnUpdateToggle(CCmdUI& ui);
    void OnHelp();
    void OnReload();
    void OnRecipientDoubleClick();
    LRESULT OnTreeNotify(NMHDR& header);
    LRESULT OnTreeDelete(NMHDR& header);
    void OnDrawItem(UINT id, DRAWITEMSTRUCT& draw);
    void OnTimer(UINT_PTR id);
    void OnSizePage(UINT type, int cx, int cy);
    void OnDestroyPage();

    Shape m_shape;
    std::string& m_lastDate;
    CNetTree m_tree;
    HWND m_list = nullptr;
    HWND m_buttons[4] = {};
    int m_enabled = 0;
    bool m_modified = false;
};
