// Everything of the application framework in one include.
#pragma once

#include "framework_ids.h"
#include "module.h"
#include "message_map.h"
#include "cmd_target.h"
#include "cmd_ui.h"
#include "wnd.h"
#include "win_app.h"
#include "prompter.h"
#include "modal_driver.h"
#include "wait_cursor.h"
#include "dialog.h"
#include "data_exchange.h"
