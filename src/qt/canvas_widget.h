#pragma once

#include "platform/platform.h"

#include <QWidget>

class QPainter;

namespace bse {

// The main window's client area: shows the canvas and turns Qt's input into the program's
// messages.
class CanvasWidget : public QWidget {
    Q_OBJECT
  public:
    CanvasWidget(const MessageHandler& handler, QWidget* parent);

    // Copies a picture to the widget at (0, 0); only while a paint is under way.
    void paintPicture(const Picture& picture);

    // The button-state word of a pointer message.
    static WParam buttonState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    // The program's key code of a Qt key, 0 for keys the program has no code for.
    static WParam virtualKey(int qtKey);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    static bool shiftArrow(const QKeyEvent* event);
    static bool clipboardKey(const QKeyEvent* event);

  private:
    void sendPointer(Message message, QMouseEvent* event);

    const MessageHandler& handler_;
    QPainter* painter_ = nullptr;
    bool spaceDown_ = false; // pressed here, not released yet
};

} // namespace bse
