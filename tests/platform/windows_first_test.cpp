// A file of a Win32 front end includes <windows.h> first and then the core: the core's ids take
// names no system header defines, and keep the numbers Win32 gives the same names. Compiled in
// the Windows build; the checks are made by the compiler.
#include <windows.h>

#include <commctrl.h>

#include "editor/editor.h"
#include "platform/platform.h"
#include "shell/main_window_proc.h"

#include <cstdint>

#define SAME(name)                                                                                 \
    static_assert(                                                                                 \
        static_cast<std::uintmax_t>(bse::BSE_##name) == static_cast<std::uintmax_t>(name), #name)

// clang-format off
SAME(WM_DESTROY);       SAME(WM_PAINT);         SAME(WM_CLOSE);         SAME(WM_KEYDOWN);
SAME(WM_INITDIALOG);    SAME(WM_COMMAND);       SAME(WM_TIMER);         SAME(WM_MOUSEMOVE);
SAME(WM_LBUTTONDOWN);   SAME(WM_LBUTTONUP);     SAME(WM_LBUTTONDBLCLK); SAME(WM_RBUTTONDOWN);
SAME(WM_RBUTTONUP);     SAME(WM_RBUTTONDBLCLK); SAME(WM_MBUTTONDOWN);   SAME(WM_MBUTTONUP);
SAME(WM_MBUTTONDBLCLK); SAME(WM_DROPFILES);     SAME(WM_APP);           SAME(MK_LBUTTON);
SAME(MK_RBUTTON);       SAME(MK_SHIFT);         SAME(MK_CONTROL);       SAME(MK_MBUTTON);
SAME(VK_RETURN);        SAME(VK_END);           SAME(VK_HOME);          SAME(VK_LEFT);
SAME(VK_UP);            SAME(VK_RIGHT);         SAME(VK_DOWN);          SAME(VK_ESCAPE);
SAME(VK_DELETE);        SAME(VK_SHIFT);         SAME(VK_CONTROL);       SAME(VK_MENU);
SAME(IDOK);             SAME(IDCANCEL);         SAME(WS_TABSTOP);       SAME(WS_BORDER);
SAME(WS_GROUP);         SAME(WS_VSCROLL);       SAME(CBS_DROPDOWNLIST); SAME(BS_AUTORADIOBUTTON);
SAME(ES_AUTOHSCROLL);   SAME(ES_NUMBER);        SAME(UDS_WRAP);         SAME(UDS_SETBUDDYINT);
SAME(UDS_ALIGNRIGHT);   SAME(UDS_AUTOBUDDY);    SAME(UDS_ARROWKEYS);    SAME(UDS_NOTHOUSANDS);
// clang-format on
