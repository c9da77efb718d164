#pragma once

#include "platform/dialog_template.h"
#include "platform/platform.h"
#include "shell/menu.h"

#include <QMainWindow>

#include <map>
#include <optional>
#include <span>
#include <string>

class QAction;
class QMenu;
class QMimeData;

namespace bse {

class CanvasWidget;

// The editor's one window: the menu of mainMenu() over a fixed 640 x 400 canvas. Every menu
// command, key, pointer event, paint and close request becomes a message to the handler.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(const DialogTemplate& windowTemplate, MessageHandler handler);

    CanvasWidget* canvas() const { return canvas_; }
    // The menu action of a command, or nullptr.
    QAction* action(int commandId) const;
    bool send(Message message, WParam wParam, LParam lParam);
    // Shows or hides a menu item that starts hidden. A hidden one is taken out of its menu, so
    // that a screen reader meets no placeholder.
    void showMenuItem(int commandId, bool shown);
    // Lets the next close go through, once the editor has decided to end.
    void allowClose() { closeAllowed_ = true; }
    // The file of the drop whose WM_DROPFILES is being handled.
    std::optional<std::string> droppedFile() const { return dropped_; }
    // The one local file, not a folder, that a drag carries; nothing for anything else.
    static std::optional<std::string> localFile(const QMimeData* data);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildMenu();
    void addMenuItems(QMenu* menu, std::span<const MenuItem> items);
    void addCommand(QAction* action, int commandId);

    MessageHandler handler_;
    CanvasWidget* canvas_ = nullptr;
    std::map<int, QAction*> actions_;
    // Items that start hidden: their menu, and the item they go before (nullptr: the end).
    struct Hideable {
        QMenu* menu = nullptr;
        QAction* before = nullptr;
    };
    std::map<int, Hideable> hideable_;
    bool closeAllowed_ = false;
    std::optional<std::string> dropped_;
};

} // namespace bse
