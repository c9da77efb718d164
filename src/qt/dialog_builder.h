#pragma once

#include "platform/dialog_template.h"
#include "platform/dialog_window.h"

#include <QDialog>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QIcon;
class QLineEdit;
class QPainter;
class QToolButton;

namespace bse {

// An up-down aligned with its buddy takes this width, whatever the template drew: the classic
// arrow width, which leaves the buddy room for its digits.
inline constexpr int upDownWidth = 16;

// A control's rectangle in client pixels. Each edge is converted on its own, so controls that
// meet in dialog units still meet in pixels.
QRect controlRect(const DialogControl& control);

// Icons by resource number; nullptr when there is none.
using IconSource = std::function<const QIcon*(int)>;

// The two arrows of an up-down control (up above down). Each step writes the next number into
// the buddy edit.
class UpDownControl : public QWidget {
    Q_OBJECT
  public:
    UpDownControl(QLineEdit* buddy, std::uint32_t styles, QWidget* parent);

    void setRange(int lowest, int highest);
    void step(int delta);
    QToolButton* upArrow() const { return up_; }
    QToolButton* downArrow() const { return down_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    bool wrap_;
    int lowest_ = 0;
    int highest_ = 100;
};

// A modal dialog made from a template and driven by its procedure: every push button, Enter,
// Escape and the close box become WM_COMMAND, and only the procedure's end() closes it.
class TemplateDialog : public QDialog, public DialogWindow {
    Q_OBJECT
  public:
    TemplateDialog(const DialogTemplate& dialogTemplate, const DialogProc& procedure,
                   IconSource icons, QWidget* owner);

    // WM_INITDIALOG, the modal loop until the procedure ends it, then WM_DESTROY.
    int run();
    // The control with that id, or nullptr.
    QWidget* control(int controlId) const;

    std::string itemText(int controlId, std::size_t maxLength) override;
    void setItemText(int controlId, std::string_view text) override;
    std::optional<unsigned> itemNumber(int controlId) override;
    void setItemNumber(int controlId, unsigned value) override;
    void setUpDownRange(int controlId, int lowest, int highest) override;
    void addListItem(int controlId, std::string_view text) override;
    int itemSelection(int controlId) override;
    void setItemSelection(int controlId, int index) override;
    Rect frame() override;
    void move(int x, int y) override;
    void setBigIcon(int iconId) override;
    void show() override;
    void paintPicture(const Picture& picture) override;
    void invalidate(const Rect& rect) override;
    void end(int result) override;

    // Qt's own ways of finishing a dialog do nothing until the procedure has called end().
    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void buildControls(const DialogTemplate& dialogTemplate);
    bool send(Message message, WParam wParam, LParam lParam);
    int defaultCommand() const;

    const DialogProc& procedure_;
    IconSource icons_;
    std::vector<std::pair<int, QWidget*>> controls_; // template order
    std::optional<int> result_;
    bool initialised_ = false;
    QPainter* painter_ = nullptr;
};

} // namespace bse
