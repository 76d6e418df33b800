// The pages of the main frame's two tab windows: one row per page says everything the frame
// needs of it.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "alert_core.h"
#include "frame_page.h"
#include "program_values.h"

enum class PageTab { Logs, Configuration };

// What a reload of every page does with the page.
enum class PageReload {
    None,  // nothing: the page follows the service by itself
    Refresh,  // the log pages' refresh with the service-stopped flag
    Load,  // Load(0)
    Recipients,  // the core's list of the page's method is handed over, then Load(0)
};

using ReadMethodList = int (AlertCore::*)(LPCSTR server, WORD* count, void** list, LPCSTR application);

struct PageRow {
    PageTab tab;
    UINT titleId;
    UINT menuId;
    std::unique_ptr<FramePage> (*make)(ProgramValues& values);
    PageReload reload = PageReload::None;
    // For Recipients: the core's read of the method's list and the release kind after it.
    ReadMethodList readList = nullptr;
    int freeKind = 0;
    // Released and loaded again each time its tab is chosen.
    bool reloadWhenChosen = false;
};

// Every page of both tab windows, each tab window's in tab order. A reload walks the rows in
// this order.
const std::vector<PageRow>& AlertManagerPages();
