#include "qt/canvas_widget.h"

#include "editor/pointer.h"
#include "qt/picture_loader.h"
#include "qt/text_codec.h"

#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

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
        state |= BSE_MK_LBUTTON;
    }
    if (buttons & Qt::RightButton) {
        state |= BSE_MK_RBUTTON;
    }
    if (modifiers & Qt::ShiftModifier) {
        state |= BSE_MK_SHIFT;
    }
    if (modifiers & Qt::ControlModifier) {
        state |= BSE_MK_CONTROL;
    }
    if (buttons & Qt::MiddleButton) {
        state |= BSE_MK_MBUTTON;
    }
    return state;
}

WParam CanvasWidget::virtualKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        return BSE_VK_LEFT;
    case Qt::Key_Up:
        return BSE_VK_UP;
    case Qt::Key_Right:
        return BSE_VK_RIGHT;
    case Qt::Key_Down:
        return BSE_VK_DOWN;
    case Qt::Key_Escape:
        return BSE_VK_ESCAPE;
    case Qt::Key_Delete:
        return BSE_VK_DELETE;
    case Qt::Key_Space:
        return BSE_VK_SPACE;
    // Shift gives '<' and '>' on the keys of ',' and '.', which the program tells by the Shift
    // held, as Windows does.
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return BSE_VK_OEM_COMMA;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return BSE_VK_OEM_PERIOD;
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
    handler_(BSE_WM_PAINT, 0, 0);
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
    sendPointer(BSE_WM_MOUSEMOVE, event);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    switch (event->button()) {
    case Qt::LeftButton:
        sendPointer(BSE_WM_LBUTTONDOWN, event);
        break;
    case Qt::RightButton:
        sendPointer(BSE_WM_RBUTTONDOWN, event);
        break;
    case Qt::MiddleButton:
        sendPointer(BSE_WM_MBUTTONDOWN, event);
        break;
    default:
        break;
    }
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    switch (event->button()) {
    case Qt::LeftButton:
        sendPointer(BSE_WM_LBUTTONUP, event);
        break;
    case Qt::RightButton:
        sendPointer(BSE_WM_RBUTTONUP, event);
        break;
    case Qt::MiddleButton:
        sendPointer(BSE_WM_MBUTTONUP, event);
        break;
    default:
        break;
    }
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    switch (event->button()) {
    case Qt::LeftButton:
        sendPointer(BSE_WM_LBUTTONDBLCLK, event);
        break;
    case Qt::RightButton:
        sendPointer(BSE_WM_RBUTTONDBLCLK, event);
        break;
    case Qt::MiddleButton:
        sendPointer(BSE_WM_MBUTTONDBLCLK, event);
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
    spaceDown_ = spaceDown_ || key == BSE_VK_SPACE;
    // The core asks for the modifiers (QtPlatform::keyHeld) and reads nothing of lParam.
    handler_(BSE_WM_KEYDOWN, key, 0);
}

void CanvasWidget::keyReleaseEvent(QKeyEvent* event) {
    // Only Space's release tells the core anything: it ends a keyboard stroke. A held key's
    // repeats come as press and release pairs; they release nothing.
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    spaceDown_ = false;
    handler_(BSE_WM_KEYUP, BSE_VK_SPACE, 0);
}

void CanvasWidget::focusOutEvent(QFocusEvent* event) {
    // A release while another window has the keys never comes here: Space counts as released.
    // Later, as the focus may go in the middle of a command (a dialog opening).
    if (spaceDown_) {
        spaceDown_ = false;
        QMetaObject::invokeMethod(
            this, [this] { handler_(BSE_WM_KEYUP, BSE_VK_SPACE, 0); }, Qt::QueuedConnection);
    }
    QWidget::focusOutEvent(event);
}

bool CanvasWidget::clipboardKey(const QKeyEvent* event) {
    return event->modifiers() == Qt::ControlModifier &&
           (event->key() == Qt::Key_C || event->key() == Qt::Key_V);
}

bool CanvasWidget::shiftArrow(const QKeyEvent* event) {
    const WParam key = virtualKey(event->key());
    return event->modifiers() == Qt::ShiftModifier && key >= BSE_VK_LEFT && key <= BSE_VK_DOWN;
}

bool CanvasWidget::event(QEvent* event) {
    // Shift with an arrow goes through the window's key table, not the menu's shortcut; so do
    // Ctrl+C and Ctrl+V, which act on a selection while there is one.
    if (event->type() == QEvent::ShortcutOverride) {
        if (const auto* key = static_cast<const QKeyEvent*>(event);
            shiftArrow(key) || clipboardKey(key)) {
            event->accept();
            return true;
        }
    }
    // The palette's slots name their blocks.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<const QHelpEvent*>(event);
        const std::string_view tip = paletteTip(help->pos().x(), help->pos().y());
        if (tip.empty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), fromWindows1252(tip), this);
        }
        return true;
    }
    return QWidget::event(event);
}

} // namespace bse
