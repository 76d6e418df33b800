// CRecipientPage: what the pager and SNMP pages share: a column list of records, the date poll and Commit.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "admin_fv.h"
#include "col_list.h"
#include "program_values.h"

class CAlertSettings;

class CRecipientPage : public CAdminFV {
public:
    static constexpr UINT kListId = 101;
    static constexpr UINT_PTR kPollTimer = 5;
    static constexpr UINT kPollMilliseconds = 15000;

    ~CRecipientPage() override;

    // 1 once: makes the list over the placeholder and starts the poll. Every call: the refresh.
    void Load(int first) override;
    // Frees the record behind every line.
    void ReleaseItems() override;

    // Re-reads the list when the application's configuration date moved on since the last load
    // of any page of this kind.
    void Refresh();
    // Sends every line's record to the core, then loads the page again as the frame would.
    void Commit();
    void OnToggle();
    void OnHelp();
    // Asks, then removes the selected line and sends the rest to the core.
    void OnDelete();

    // State, for tests.
    CColList& List() { return m_list; }
    int Enabled() const { return m_enabled; }
    // The record behind a line, or null.
    BYTE* RecordAt(int position) const;
    int SelectedLine() const;

    const MessageMap& GetMessageMap() const override;

protected:
    struct Shape {
        UINT templateId;
        UINT placeholderId;
        std::size_t recordSize;
        int freeKind;  // AlertFreeCheckEverySetting after a consumed list
        UINT helpTopic;
        std::vector<std::pair<const char*, int>> columns;  // title, width (-1: the client width)
        int wideColumn;  // the column that takes the client width + 400 on a resize
    };

    CRecipientPage(ProgramValues& values, Shape shape, std::string& lastDate);

    // The method's Get through the cache: fills enabled, array and count.
    virtual int ReadList(CAlertSettings& settings, int& enabled, void*& array) = 0;
    // The method's Set through the cache, which takes the array over.
    virtual int SendList(CAlertSettings& settings, WORD count, void* array) = 0;
    virtual std::string LineText(const BYTE* record) const = 0;
    virtual void LineImages(int position, const BYTE* record) = 0;

    // Adds a line for `record` (a global block the line then owns); the position or -1.
    int AddLine(BYTE* record);
    // A zero-filled global block of one record.
    BYTE* NewRecord() const;
    void FreeRecord(BYTE* record) const;
    // Frees every line's record and empties the list.
    void FreeLines();
    // Removes the line; its record stays with the caller.
    void RemoveLine(int position);
    // The record behind the selected line and its position, or null.
    BYTE* SelectedRecord(int& position) const;
    // A marker picture of the list; the page keeps it until the list is gone.
    HBITMAP LoadMarker(UINT bitmapId);
    CAlertSettings* Settings() const;
    void OnDoubleClick();
    // The label of the enable command: "&Disable" while enabled, "&Enable" while not.
    void OnUpdateToggle(CCmdUI& ui);
    virtual void OnNew() = 0;
    virtual void OnModify() = 0;

    ProgramValues& m_values;
    Shape m_shape;
    CColList m_list;
    int m_enabled = 0;
    RECT m_createdClient = {};

private:
    void Rebuild(const BYTE* array, int count);
    void OnTimer(UINT_PTR id);
    void OnSizePage(UINT type, int cx, int cy);
    void OnDestroyPage();

    std::string& m_lastDate;
    std::vector<HBITMAP> m_markers;
};
