// FramePage: what the main frame asks of every page it shows in one of its tab windows.
#pragma once

#include <windows.h>

class CWnd;
class CASTabWnd;

// The frame creates each page, loads it once with 1 and again with 0 at every reload, and
// hands the log pages the service-stopped flag and the delivery method pages their lists.
class FramePage {
public:
    virtual ~FramePage() = default;

    virtual CWnd& PageWindow() = 0;
    // Creates the page as a visible, untitled child of its tab window, with the tab index as id.
    virtual bool CreateInTab(CASTabWnd& tab, int index) = 0;
    // The size the page's template asks for; none for a page that fits any size.
    virtual SIZE NaturalSize() const { return SIZE {0, 0}; }

    // Loads the page's data and shows it: 1 right after creation, 0 at every reload.
    virtual void Load(int first) = 0;
    // Frees every record the page holds.
    virtual void ReleaseItems() { }
    // The log pages' refresh after a change of the service state or a reload.
    virtual void Refresh(int serviceStopped) { (void)serviceStopped; }
    // A delivery method's list, read by the frame at a reload and handed over before Load(0);
    // the page copies what it keeps, since the frame frees the list afterwards.
    virtual void TakeRecipients(WORD count, const void* list)
    {
        (void)count;
        (void)list;
    }
};
