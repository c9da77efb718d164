#pragma once

#include "platform/dialog_template.h"
#include "platform/platform.h"

#include <QMainWindow>

#include <map>

class QAction;

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
    // Lets the next close go through, once the editor has decided to end.
    void allowClose() { closeAllowed_ = true; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenu();
    void addCommand(QAction* action, int commandId);

    MessageHandler handler_;
    CanvasWidget* canvas_ = nullptr;
    std::map<int, QAction*> actions_;
    bool closeAllowed_ = false;
};

} // namespace bse
