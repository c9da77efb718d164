#include "qt/canvas_widget.h"

#include "qt/picture_loader.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace bse {

namespace {

bool insideClientArea(const QPoint& at) {
    return at.x() >= 0 && at.y() >= 0 && at.x() < canvasWidth && at.y() < canvasHeight;
}

} // namespace

CanvasWidget::CanvasWidget(const MessageHandler& handler, QWidget* parent)
    : QWidget(parent), handler_(handler) {
    setFixedSize(canvasWidth, canvasHeight);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel comes from the canvas: skip the background fill.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

WParam CanvasWidget::buttonState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    WParam state = 0;
    if (buttons & Qt::LeftButton) {
        state |= MK_LBUTTON;
    }
    if (buttons & Qt::RightButton) {
        state |= MK_RBUTTON;
    }
    if (modifiers & Qt::ShiftModifier) {
        state |= MK_SHIFT;
    }
    if (modifiers & Qt::ControlModifier) {
        state |= MK_CONTROL;
    }
    if (buttons & Qt::MiddleButton) {
        state |= MK_MBUTTON;
    }
    return state;
}

WParam CanvasWidget::virtualKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Delete:
        return VK_DELETE;
    default:
        // Letters and digits share their codes.
        if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) ||
            (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
            return static_cast<WParam>(qtKey);
        }
        return 0;
    }
}

void CanvasWidget::paintPicture(const Picture& picture) {
    if (painter_ != nullptr) {
        bse::paintPicture(*painter_, picture);
    }
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter_ = &painter;
    handler_(WM_PAINT, 0, 0);
    painter_ = nullptr;
}

void CanvasWidget::sendPointer(Message message, QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // The pointer is not captured: what happens outside the client area is not the editor's.
    if (!insideClientArea(at)) {
        return;
    }
    handler_(message, buttonState(event->buttons(), event->modifiers()),
             makePointerParam(at.x(), at.y()));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    sendPointer(WM_MOUSEMOVE, event);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    switch (event->button()) {
    case Qt::LeftButton:
        sendPointer(WM_LBUTTONDOWN, event);
        break;
    case Qt::RightButton:
        sendPointer(WM_RBUTTONDOWN, event);
        break;
    case Qt::MiddleButton:
        sendPointer(WM_MBUTTONDOWN, event);
        break;
    default:
        break;
    }
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    switch (event->button()) {
    case Qt::LeftButton:
        sendPointer(WM_LBUTTONUP, event);
        break;
    case Qt::RightButton:
        sendPointer(WM_RBUTTONUP, event);
        break;
    case Qt::MiddleButton:
        sendPointer(WM_MBUTTONUP, event);
        break;
    default:
        break;
    }
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    switch (event->button()) {
    case Qt::LeftButton:
        sendPointer(WM_LBUTTONDBLCLK, event);
        break;
    case Qt::RightButton:
        sendPointer(WM_RBUTTONDBLCLK, event);
        break;
    case Qt::MiddleButton:
        sendPointer(WM_MBUTTONDBLCLK, event);
        break;
    default:
        break;
    }
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
    const WParam key = virtualKey(event->key());
    if (key == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The core asks for the modifiers (QtPlatform::keyHeld) and reads nothing of lParam.
    handler_(WM_KEYDOWN, key, 0);
}

bool CanvasWidget::clipboardKey(const QKeyEvent* event) {
    return event->modifiers() == Qt::ControlModifier &&
           (event->key() == Qt::Key_C || event->key() == Qt::Key_V);
}

bool CanvasWidget::shiftArrow(const QKeyEvent* event) {
    const WParam key = virtualKey(event->key());
    return event->modifiers() == Qt::ShiftModifier && key >= VK_LEFT && key <= VK_DOWN;
}

bool CanvasWidget::event(QEvent* event) {
    // Shift with an arrow goes through the window's key table, not the menu's shortcut; so do
    // Ctrl+C and Ctrl+V, which act on a selection while there is one.
    const auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::ShortcutOverride && (shiftArrow(key) || clipboardKey(key))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

} // namespace bse
