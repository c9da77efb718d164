#include "qt/dialog_builder.h"

#include "qt/picture_loader.h"

#include "platform/item_number.h"
#include "platform/up_down.h"
#include "qt/canvas_widget.h"
#include "qt/text_codec.h"
#include "view/picture.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSize>
#include <QToolButton>

#include <algorithm>
#include <climits>

namespace bse {

namespace {

// Title bar and close box; no help button, no maximise, no resizing.
constexpr Qt::WindowFlags dialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

QPushButton* makeButton(const DialogControl& control, QWidget* parent) {
    auto* button = new QPushButton(fromWindows1252(control.text), parent);
    button->setDefault(control.kind == ControlKind::DefaultPushButton);
    return button;
}

QLineEdit* makeEdit(const DialogControl& control, QWidget* parent) {
    auto* edit = new QLineEdit(fromWindows1252(control.text), parent);
    edit->setFrame((control.styles & BSE_WS_BORDER) != 0);
    if ((control.styles & BSE_ES_NUMBER) != 0) {
        // Like the classic edit: typing refuses anything but digits; set texts are not checked.
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    }
    return edit;
}

QLabel* makeLabel(const DialogControl& control, QWidget* parent) {
    auto* label = new QLabel(fromWindows1252(control.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The templates were laid out for a narrower font than the desktop's: rather than cut a label's
// text off, draw it in a smaller size of the same font.
void fitLabel(QLabel* label) {
    QFont font = label->parentWidget()->font();
    const int room = label->contentsRect().width();
    for (int step = 0; step < 10 && QFontMetrics(font).size(0, label->text()).width() > room;
         ++step) {
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
        } else {
            font.setPixelSize(std::max(1, font.pixelSize() - 1));
        }
    }
    label->setFont(font);
}

// A dialog's own size rounds halves up, as the classic conversion does, so that the about box's
// 283 units hold all 425 columns of its picture; the controls keep controlRect's edges.
QSize dialogSize(const DialogTemplate& dialogTemplate) {
    return {(dialogTemplate.width * 3 + 1) / 2, (dialogTemplate.height * 13 + 4) / 8};
}

} // namespace

QRect controlRect(const DialogControl& control) {
    const int left = dialogUnitsToPixelsX(control.x);
    const int top = dialogUnitsToPixelsY(control.y);
    const int right = dialogUnitsToPixelsX(control.x + control.width);
    const int bottom = dialogUnitsToPixelsY(control.y + control.height);
    return {left, top, right - left, bottom - top};
}

// ---- UpDownControl ----

UpDownControl::UpDownControl(QLineEdit* buddy, std::uint32_t styles, QWidget* parent)
    : QWidget(parent), buddy_(buddy), up_(new QToolButton(this)), down_(new QToolButton(this)),
      wrap_((styles & BSE_UDS_WRAP) != 0) {
    setFocusPolicy(Qt::NoFocus);
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {up_, down_}) {
        // The arrows never take the focus from the buddy; held down, they keep stepping.
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
    }
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    if (buddy_ != nullptr && (styles & BSE_UDS_ARROWKEYS) != 0) {
        buddy_->installEventFilter(this);
    }
}

void UpDownControl::setRange(int lowest, int highest) {
    lowest_ = lowest;
    highest_ = highest;
}

void UpDownControl::step(int delta) {
    if (buddy_ == nullptr) {
        return;
    }
    // The buddy's text is the position; a number too big for an int counts as above the range.
    const unsigned shown = parseItemNumber(toWindows1252(buddy_->text())).value_or(0);
    const int current = static_cast<int>(std::min<unsigned>(shown, INT_MAX));
    buddy_->setText(QString::number(stepUpDown(current, delta, lowest_, highest_, wrap_)));
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDownControl::resizeEvent(QResizeEvent*) {
    const int upHeight = height() / 2;
    up_->setGeometry(0, 0, width(), upHeight);
    down_->setGeometry(0, upHeight, width(), height() - upHeight);
}

// ---- TemplateDialog ----

TemplateDialog::TemplateDialog(const DialogTemplate& dialogTemplate, const DialogProc& procedure,
                               IconSource icons, QWidget* owner)
    : QDialog(owner, dialogFlags), procedure_(procedure), icons_(std::move(icons)) {
    setWindowTitle(fromWindows1252(dialogTemplate.caption));
    // Modal from the first show, which the procedure makes before the modal loop starts.
    setModal(true);
    setSizeGripEnabled(false);
    setFixedSize(dialogSize(dialogTemplate));
    buildControls(dialogTemplate);
}

void TemplateDialog::buildControls(const DialogTemplate& dialogTemplate) {
    QWidget* previous = nullptr;
    QWidget* lastInTabOrder = nullptr;
    for (const DialogControl& control : dialogTemplate.controls) {
        QWidget* widget = nullptr;
        switch (control.kind) {
        case ControlKind::DefaultPushButton:
        case ControlKind::PushButton: {
            QPushButton* button = makeButton(control, this);
            const auto id = static_cast<WParam>(control.id);
            connect(button, &QPushButton::clicked, this,
                    [this, id] { send(BSE_WM_COMMAND, id, 0); });
            widget = button;
            break;
        }
        case ControlKind::Edit:
            widget = makeEdit(control, this);
            break;
        case ControlKind::Label:
            widget = makeLabel(control, this);
            break;
        case ControlKind::ComboBox:
            widget = new QComboBox(this);
            break;
        case ControlKind::RadioButton:
            widget = new QRadioButton(fromWindows1252(control.text), this);
            break;
        case ControlKind::UpDown: {
            // The buddy is the control just before the up-down in the template.
            auto* buddy = (control.styles & BSE_UDS_AUTOBUDDY) != 0
                              ? qobject_cast<QLineEdit*>(previous)
                              : nullptr;
            widget = new UpDownControl(buddy, control.styles, this);
            break;
        }
        }
        widget->setObjectName(QString::number(control.id));
        widget->setProperty("controlId", control.id);
        widget->setGeometry(controlRect(control));
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            fitLabel(label);
        }
        if (control.kind == ControlKind::ComboBox) {
            // The template's height includes the open list; closed, it is one line.
            widget->resize(widget->width(), widget->sizeHint().height());
        }
        if (control.kind == ControlKind::UpDown && (control.styles & BSE_UDS_ALIGNRIGHT) != 0 &&
            qobject_cast<QLineEdit*>(previous) != nullptr) {
            // Against the buddy's right edge, within its width, as tall as the buddy.
            const QRect buddy = previous->geometry();
            previous->setGeometry(buddy.x(), buddy.y(), buddy.width() - upDownWidth,
                                  buddy.height());
            widget->setGeometry(buddy.x() + buddy.width() - upDownWidth, buddy.y(), upDownWidth,
                                buddy.height());
        }
        if (widget->focusPolicy() != Qt::NoFocus) {
            if ((control.styles & BSE_WS_TABSTOP) == 0) {
                widget->setFocusPolicy(Qt::ClickFocus);
            }
            if (lastInTabOrder != nullptr) {
                QWidget::setTabOrder(lastInTabOrder, widget);
            }
            lastInTabOrder = widget;
        }
        controls_.emplace_back(control.id, widget);
        previous = widget;
    }
}

int TemplateDialog::run() {
    send(BSE_WM_INITDIALOG, 0, 0);
    initialised_ = true;
    if (!result_) {
        exec();
    }
    // The loop can end without an answer when the application quits: that is the close box.
    if (!result_) {
        send(BSE_WM_COMMAND, BSE_IDCANCEL, 0);
    }
    send(BSE_WM_DESTROY, 0, 0);
    return result_.value_or(-1);
}

QWidget* TemplateDialog::control(int controlId) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [controlId](const auto& c) { return c.first == controlId; });
    return found == controls_.end() ? nullptr : found->second;
}

bool TemplateDialog::send(Message message, WParam wParam, LParam lParam) {
    return procedure_(*this, message, wParam, lParam);
}

int TemplateDialog::defaultCommand() const {
    for (const auto& [id, widget] : controls_) {
        const auto* button = qobject_cast<const QPushButton*>(widget);
        if (button != nullptr && button->isDefault()) {
            return id;
        }
    }
    return BSE_IDOK;
}

std::string TemplateDialog::itemText(int controlId, std::size_t maxLength) {
    QWidget* widget = control(controlId);
    QString text;
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        text = edit->text();
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        text = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        text = button->text();
    }
    if (maxLength == 0) {
        return {};
    }
    std::string bytes = toWindows1252(text);
    if (bytes.size() > maxLength - 1) {
        bytes.resize(maxLength - 1);
    }
    return bytes;
}

void TemplateDialog::setItemText(int controlId, std::string_view text) {
    QWidget* widget = control(controlId);
    const QString shown = fromWindows1252(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(shown);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(shown);
        fitLabel(label);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(shown);
    }
}

std::optional<unsigned> TemplateDialog::itemNumber(int controlId) {
    return readItemNumber(itemText(controlId, std::string::npos));
}

void TemplateDialog::setItemNumber(int controlId, unsigned value) {
    setItemText(controlId, std::to_string(value));
}

void TemplateDialog::setUpDownRange(int controlId, int lowest, int highest) {
    if (auto* upDown = qobject_cast<UpDownControl*>(control(controlId))) {
        upDown->setRange(lowest, highest);
    }
}

void TemplateDialog::addListItem(int controlId, std::string_view text) {
    if (auto* list = qobject_cast<QComboBox*>(control(controlId))) {
        list->addItem(fromWindows1252(text));
    }
}

int TemplateDialog::itemSelection(int controlId) {
    QWidget* widget = control(controlId);
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        return list->currentIndex();
    }
    const auto* radio = qobject_cast<const QRadioButton*>(widget);
    return radio != nullptr && radio->isChecked() ? 1 : 0;
}

void TemplateDialog::setItemSelection(int controlId, int index) {
    QWidget* widget = control(controlId);
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        list->setCurrentIndex(index);
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        radio->setChecked(index == 1); // its siblings clear themselves
    }
}

Rect TemplateDialog::frame() {
    const QRect outer = frameGeometry();
    return {outer.left(), outer.top(), outer.left() + outer.width(), outer.top() + outer.height()};
}

void TemplateDialog::move(int x, int y) {
    QDialog::move(x, y);
}

void TemplateDialog::setBigIcon(int iconId) {
    if (!icons_) {
        return;
    }
    if (const QIcon* icon = icons_(iconId)) {
        setWindowIcon(*icon);
    }
}

void TemplateDialog::show() {
    QDialog::show();
}

void TemplateDialog::paintPicture(const Picture& picture) {
    if (painter_ != nullptr) {
        bse::paintPicture(*painter_, picture);
    }
}

void TemplateDialog::invalidate(const Rect& rect) {
    update(QRect(rect.left, rect.top, rect.width(), rect.height()));
}

void TemplateDialog::end(int result) {
    if (result_) {
        return;
    }
    result_ = result;
    QDialog::done(result);
}

void TemplateDialog::done(int result) {
    if (result_) {
        QDialog::done(result);
    }
}

void TemplateDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        send(BSE_WM_COMMAND, BSE_IDCANCEL, 0);
        return;
    }
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    // Only keypad Enter comes with the keypad modifier.
    const bool plain = modifiers == Qt::NoModifier || modifiers == Qt::KeypadModifier;
    // A focused push button takes Enter itself; anywhere else it is the default command.
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        send(BSE_WM_COMMAND, static_cast<WParam>(defaultCommand()), 0);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TemplateDialog::closeEvent(QCloseEvent* event) {
    if (result_) {
        event->accept();
        return;
    }
    // The close box is Cancel: the procedure decides whether the dialog goes.
    event->ignore();
    send(BSE_WM_COMMAND, BSE_IDCANCEL, 0);
    if (result_) {
        event->accept();
    }
}

void TemplateDialog::mousePressEvent(QMouseEvent* event) {
    // Taken, so that the release comes here too.
    event->accept();
}

void TemplateDialog::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !rect().contains(at)) {
        QDialog::mouseReleaseEvent(event);
        return;
    }
    send(BSE_WM_LBUTTONUP, CanvasWidget::buttonState(event->buttons(), event->modifiers()),
         makePointerParam(at.x(), at.y()));
}

void TemplateDialog::paintEvent(QPaintEvent* event) {
    // Nothing reaches the procedure before it has set itself up.
    if (!initialised_) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter_ = &painter;
    send(BSE_WM_PAINT, 0, 0);
    painter_ = nullptr;
}

} // namespace bse
