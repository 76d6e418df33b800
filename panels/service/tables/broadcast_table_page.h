// CBroadcastTablePage: "NT Domains", "IP SubNets" or "IP SubNet Masks", one table of a server as a list.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "broadcast_table_buffer.h"
#include "broadcast_table_kind.h"
#include "col_list.h"
#include "property_page.h"

class BroadcastTableCalls;

class CBroadcastTablePage : public CPropertyPage {
public:
    static constexpr UINT kListId = 3;
    static constexpr int kUnitWithoutFont = 10;
    static constexpr DWORD kListFlags = ColListFlags::kFrame | ColListFlags::kHorizontalScroll | ColListFlags::kNotify |
        ColListFlags::kSortOnClick | ColListFlags::kKeepSelection;

    // The page edits `kind`'s table of `server`; `domainWide` when the server name stands for
    // its whole domain.
    CBroadcastTablePage(
        const BroadcastTableKind& kind, BroadcastTableCalls& calls, std::string server, bool domainWide);
    ~CBroadcastTablePage() override;

    const MessageMap& GetMessageMap() const override;

    // Makes the list over the placeholder and loads the table into it.
    BOOL OnInitDialog() override;
    // Apply: the table is made again from the rows, in list order.
    void OnOK() override;
    // The broadcast sheet's save after Apply: true when the table was stored.
    bool Save();

    // Insert, double click and Delete.
    void OnAdd();
    void OnModify();
    void OnDelete();

    // State, for the sheet and for tests.
    const BroadcastTableKind& Kind() const { return m_kind; }
    bool Initialised() const { return m_initialised; }
    bool Modified() const { return m_modified; }
    DWORD Count() const { return m_buffer ? m_buffer->Count() : 0; }
    const BroadcastTableBuffer* Buffer() const { return m_buffer.get(); }
    CColList& List() { return m_list; }
    int SelectedRow() const;

private:
    LRESULT OnVKeyToItem(WPARAM wParam, LPARAM lParam);
    bool CreateList();
    // Half the widest character of the page's font, the unit of the column widths.
    int WidthUnit() const;
    // A row for the entry, drawn grey when it is disabled; its position or negative.
    int AddRow(const BYTE* entry);
    void Select(int position);
    void RebuildFromRows();
    void Disable();

    const BroadcastTableKind& m_kind;
    BroadcastTableCalls& m_calls;
    std::string m_server;
    bool m_domainWide;
    BroadcastTableTexts m_texts;
    std::unique_ptr<BroadcastTableBuffer> m_buffer;
    CColList m_list;
    bool m_initialised = false;
    bool m_modified = false;
};
