// Command numbers that the host's frame answers for every panel's Window menu.
#pragma once

#define ID_PANEL_WINDOW_CASCADE 0xE130
#define ID_PANEL_WINDOW_TILE 0xE131
#define ID_PANEL_WINDOW_ARRANGE 0xE132
