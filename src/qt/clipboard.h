#pragma once

#include "platform/platform.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <string_view>

class QMimeData;

namespace bse {

class XClipboard;

// The desktop's clipboard as the editor uses it, never waiting on another program for long.
// Qt's own reading waits up to 5 s for each question to an owner that does not answer, so on X11
// the editor asks on a connection of its own: what is offered in the background after each
// change, the contents only for a paste, 300 ms at most in all. While the editor's own copy is
// on the clipboard, nothing else is offered.
class Clipboard {
  public:
    // `changed` runs, from the event loop, whenever what is offered is known anew.
    explicit Clipboard(std::function<void()> changed);
    ~Clipboard();

    // Asks what is offered now, and again after every change.
    void watch();
    void put(std::string_view text, const Bytes& cells);
    Platform::ClipboardTypes offered() const { return offered_; }
    Platform::ClipboardBoard board();

  private:
    bool holdsOwnCopy() const;
    void ask();

    std::function<void()> changed_;
    const bool x11_;
    QObject context_; // of the connections to Qt's clipboard
    std::unique_ptr<XClipboard> x_;
    QPointer<QMimeData> own_;
    Platform::ClipboardTypes offered_;
};

} // namespace bse
