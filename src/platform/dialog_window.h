#pragma once

#include "platform/ids.h"
#include "view/geometry.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace bse {

struct Picture;

// What a dialog procedure sees of its dialog. Texts are bytes (Windows-1252).
class DialogWindow {
  public:
    virtual ~DialogWindow() = default;

    // Text of a control, at most maxLength - 1 bytes (the size includes a terminator).
    virtual std::string itemText(int controlId, std::size_t maxLength) = 0;
    virtual void setItemText(int controlId, std::string_view text) = 0;
    // The control's text as an unsigned number (readItemNumber): 0 when it holds none, nothing
    // when its digits make a number too large to read.
    virtual std::optional<unsigned> itemNumber(int controlId) = 0;
    virtual void setItemNumber(int controlId, unsigned value) = 0;
    // The range an up-down control steps over (it wraps when its template says so).
    virtual void setUpDownRange(int controlId, int lowest, int highest) = 0;
    // Drop-down lists: an item added at the end, and the one chosen (from 0). Radio buttons:
    // 1 when checked, else 0; setting 1 checks it and clears the others of its group.
    virtual void addListItem(int /*controlId*/, std::string_view /*text*/) {}
    virtual int itemSelection(int /*controlId*/) { return 0; }
    virtual void setItemSelection(int /*controlId*/, int /*index*/) {}

    // Frame rectangle in screen pixels, and moving it without resizing.
    virtual Rect frame() = 0;
    virtual void move(int x, int y) = 0;
    virtual void setBigIcon(int iconId) = 0;
    virtual void show() = 0;

    // Painting: copies a picture to the client area at (0, 0); only while handling WM_PAINT.
    virtual void paintPicture(const Picture& picture) = 0;
    virtual void invalidate(const Rect& rect) = 0;

    // Closes the dialog; the modal run returns result.
    virtual void end(int result) = 0;
};

// A dialog procedure: returns whether it handled the message.
using DialogProc = std::function<bool(DialogWindow&, Message, WParam, LParam)>;

} // namespace bse
