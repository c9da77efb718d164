#pragma once

#include "platform/dialog_template.h"

#include <cstdint>
#include <vector>

namespace bse {

// The window styles a template leaves to its desktop: the main window is a top-level window with
// a minimise box, every other template a modal frame.
std::uint32_t dialogStyle(const DialogTemplate& dialogTemplate);

// The template in the layout of Win32's DLGTEMPLATE with DS_SETFONT, for
// CreateDialogIndirectParamW and DialogBoxIndirectParamW. The template's menu is left out: the
// menus are data that the front end builds and attaches itself, not a resource the dialog manager
// could load. The bytes start DWORD-aligned (operator new's alignment), as the calls require.
std::vector<std::uint8_t> dialogTemplateBytes(const DialogTemplate& dialogTemplate);

} // namespace bse
