#include "qt/accessibility.h"

#include "qt/text_codec.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>
#include <optional>

namespace bse {

namespace {

std::function<ScreenReading()>& screenSource() {
    static std::function<ScreenReading()> source;
    return source;
}

ScreenReading currentReading() {
    return screenSource() ? screenSource()() : ScreenReading{};
}

// The last reading announced, while a reader listens.
std::optional<ScreenReading>& lastReading() {
    static std::optional<ScreenReading> last;
    return last;
}

enum class Part { Grid, Cell, Palette, PaletteItem, LeftSlot, RightSlot, Button, Status, Board };

constexpr int gridColumns = boardColumns;
constexpr int gridRows = boardRows;
constexpr int cellCount = gridColumns * gridRows;

QRect toQRect(const Rect& rect) {
    return {rect.left, rect.top, rect.width(), rect.height()};
}

// An interface that owns the items under it, made when first asked for.
class Owner {
  public:
    virtual ~Owner() {
        for (const auto& [index, id] : items_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

  protected:
    QAccessibleInterface* item(QAccessibleInterface* self, Part part, int index) const;
    // The index of `child` among this one's items of `part`, or -1.
    int itemIndex(const QAccessibleInterface* child) const;

  private:
    mutable std::map<std::pair<int, int>, QAccessible::Id> items_;
};

// A drawn part: it has no object of its own and reads its words from the current reading. The
// grid is a table to the reader, its cells the table's cells (none selected: the cursor is the
// focus).
class DrawnItem : public QAccessibleInterface,
                  public QAccessibleTableInterface,
                  public QAccessibleTableCellInterface,
                  public Owner {
  public:
    DrawnItem(QAccessibleInterface* parent, QWidget* widget, Part part, int index)
        : parent_(parent), widget_(widget), part_(part), index_(index) {}

    Part part() const { return part_; }
    int index() const { return index_; }

    bool isValid() const override { return widget_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent_->window(); }
    QAccessibleInterface* parent() const override { return parent_; }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (QAccessibleInterface* found = child(i); found->rect().contains(x, y)) {
                return found;
            }
        }
        return nullptr;
    }
    int childCount() const override {
        switch (part_) {
        case Part::Grid:
            return cellCount;
        case Part::Palette:
            return static_cast<int>(paletteCodes().size());
        default:
            return 0;
        }
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        return item(const_cast<DrawnItem*>(this),
                    part_ == Part::Grid ? Part::Cell : Part::PaletteItem, index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override { return itemIndex(child); }
    QAccessibleInterface* focusChild() const override {
        const ScreenReading reading = currentReading();
        if (part_ != Part::Grid || !reading.cursorShown) {
            return nullptr;
        }
        return child((reading.cursorRow - 1) * gridColumns + reading.cursorColumn - 1);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? fromWindows1252(name(currentReading())) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect local = localRect();
        return QRect(widget_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override {
        switch (part_) {
        case Part::Grid:
            return QAccessible::Table;
        case Part::Cell:
            return QAccessible::Cell;
        case Part::Palette:
            return QAccessible::List;
        case Part::PaletteItem:
        case Part::Board:
            return QAccessible::ListItem;
        case Part::Button:
            return QAccessible::Button;
        default:
            return QAccessible::StaticText;
        }
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        const ScreenReading reading = currentReading();
        if (part_ == Part::Cell) {
            state.focusable = true;
            state.focused =
                reading.cursorShown && widget_->hasFocus() &&
                index_ == (reading.cursorRow - 1) * gridColumns + reading.cursorColumn - 1;
        }
        if (part_ == Part::PaletteItem) {
            const BlockCode code = paletteCodes()[static_cast<std::size_t>(index_)];
            state.selectable = true;
            state.selected = code == reading.left || code == reading.right;
        }
        if (part_ == Part::Board) {
            state.selectable = true;
            state.selected = index_ == reading.overviewFrame;
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface && part_ == Part::Grid) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        if (type == QAccessible::TableCellInterface && part_ == Part::Cell) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        return nullptr;
    }

    // The grid as a table.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return row < 0 || row >= gridRows || column < 0 || column >= gridColumns
                   ? nullptr
                   : child(row * gridColumns + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return QStringLiteral("Column %1").arg(column + 1);
    }
    QString rowDescription(int row) const override { return QStringLiteral("Row %1").arg(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return gridColumns; }
    int rowCount() const override { return gridRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // A cell.
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return index_ % gridColumns; }
    int rowIndex() const override { return index_ / gridColumns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent_; }

    std::string name(const ScreenReading& reading) const {
        switch (part_) {
        case Part::Grid:
            return gridReading(reading.board);
        case Part::Cell: {
            const int column = index_ % gridColumns + 1;
            const int row = index_ / gridColumns + 1;
            return cellReading(
                column, row,
                reading.cells[static_cast<std::size_t>((column - 1) * boardRows + row - 1)]);
        }
        case Part::Palette:
            return std::string(paletteReading);
        case Part::PaletteItem:
            return paletteItemReading(paletteCodes()[static_cast<std::size_t>(index_)],
                                      reading.left, reading.right);
        case Part::LeftSlot:
            return slotReading(false, reading.left);
        case Part::RightSlot:
            return slotReading(true, reading.right);
        case Part::Button:
            return std::string(buttonReadings()[static_cast<std::size_t>(index_)].name);
        case Part::Status:
            return reading.status;
        case Part::Board:
            return index_ < static_cast<int>(reading.overviewBackgrounds.size())
                       ? overviewBoardReading(
                             index_, reading.overviewBackgrounds[static_cast<std::size_t>(index_)])
                       : std::string();
        }
        return {};
    }

  private:
    QRect localRect() const;

    QAccessibleInterface* parent_;
    QPointer<QWidget> widget_;
    Part part_;
    int index_;
};

QAccessibleInterface* Owner::item(QAccessibleInterface* self, Part part, int index) const {
    const auto key = std::make_pair(static_cast<int>(part), index);
    if (const auto found = items_.find(key); found != items_.end()) {
        return QAccessible::accessibleInterface(found->second);
    }
    auto* widget = qobject_cast<QWidget*>(self->object());
    for (QAccessibleInterface* up = self; widget == nullptr && up != nullptr; up = up->parent()) {
        widget = qobject_cast<QWidget*>(up->object());
    }
    auto* made = new DrawnItem(self, widget, part, index);
    items_[key] = QAccessible::registerAccessibleInterface(made);
    return made;
}

int Owner::itemIndex(const QAccessibleInterface* child) const {
    for (const auto& [key, id] : items_) {
        if (QAccessible::accessibleInterface(id) == child) {
            return key.second;
        }
    }
    return -1;
}

QRect DrawnItem::localRect() const {
    switch (part_) {
    case Part::Grid:
        return toQRect(boardGridRect);
    case Part::Cell:
        return toQRect(cellRect(index_ % gridColumns + 1, index_ / gridColumns + 1));
    case Part::Palette:
        return QRect(paletteHitBox.left, paletteHitBox.top,
                     paletteHitBox.right - paletteHitBox.left + 1,
                     paletteHitBox.bottom - paletteHitBox.top + 1);
    case Part::PaletteItem:
        return toQRect(paletteSlotRect(index_));
    case Part::LeftSlot:
        return toQRect(selectionSlotRect(leftSlotX));
    case Part::RightSlot:
        return toQRect(selectionSlotRect(rightSlotX));
    case Part::Button:
        return toQRect(buttonReadings()[static_cast<std::size_t>(index_)].rect);
    case Part::Status:
        return toQRect(statusTextRect);
    case Part::Board:
        return {};
    }
    return {};
}

// The canvas's parts, in reading order.
struct CanvasPart {
    Part part;
    int index;
};
const std::vector<CanvasPart>& canvasParts() {
    static const std::vector<CanvasPart> parts = [] {
        std::vector<CanvasPart> list{
            {Part::Grid, 0}, {Part::Palette, 0}, {Part::LeftSlot, 0}, {Part::RightSlot, 0}};
        for (int i = 0; i < static_cast<int>(buttonReadings().size()); ++i) {
            list.push_back({Part::Button, i});
        }
        list.push_back({Part::Status, 0});
        return list;
    }();
    return parts;
}

class CanvasAccessible : public QAccessibleWidget, public Owner {
  public:
    explicit CanvasAccessible(QWidget* canvas) : QAccessibleWidget(canvas, QAccessible::Client) {}

    int childCount() const override { return static_cast<int>(canvasParts().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        const CanvasPart& part = canvasParts()[static_cast<std::size_t>(index)];
        return item(const_cast<CanvasAccessible*>(this), part.part, part.index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* drawn = dynamic_cast<const DrawnItem*>(child);
        for (std::size_t i = 0; drawn != nullptr && i < canvasParts().size(); ++i) {
            if (canvasParts()[i].part == drawn->part() &&
                canvasParts()[i].index == drawn->index()) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (QAccessibleInterface* found = child(i); found->rect().contains(x, y)) {
                return found;
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return currentReading().cursorShown ? child(0)->focusChild() : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QStringLiteral("Board editor") : QString();
    }
};

class OverviewAccessible : public QAccessibleWidget, public Owner {
  public:
    explicit OverviewAccessible(QWidget* boards) : QAccessibleWidget(boards, QAccessible::List) {}

    int childCount() const override {
        return static_cast<int>(currentReading().overviewBackgrounds.size());
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        return item(const_cast<OverviewAccessible*>(this), Part::Board, index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override { return itemIndex(child); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override {
        return widget()->hasFocus() ? child(currentReading().overviewFrame) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QStringLiteral("Boards") : QString();
    }
};

QAccessibleInterface* makeInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (className == QLatin1String("bse::CanvasWidget")) {
        return new CanvasAccessible(widget);
    }
    if (className == QLatin1String("bse::OverviewBoards")) {
        return new OverviewAccessible(widget);
    }
    return nullptr;
}

void (*&listener())(QAccessibleEvent*) {
    static void (*told)(QAccessibleEvent*) = nullptr;
    return told;
}

void tell(QAccessibleEvent* event) {
    listener() != nullptr ? listener()(event) : QAccessible::updateAccessibility(event);
}

void announce(QAccessibleInterface* part, QAccessible::Event event) {
    if (part != nullptr) {
        QAccessibleEvent message(part, event);
        tell(&message);
    }
}

} // namespace

void installScreenReader(std::function<ScreenReading()> source) {
    // Empty: none, as before the first call.
    lastReading().reset();
    QAccessible::removeFactory(makeInterface);
    if (source) {
        QAccessible::installFactory(makeInterface);
    }
    screenSource() = std::move(source);
}

void listenToScreenChanges(void (*told)(QAccessibleEvent*)) {
    listener() = told;
}

void announceScreenChanges(QWidget* canvas, QWidget* overviewBoards) {
    if (!screenSource() || canvas == nullptr ||
        (listener() == nullptr && !QAccessible::isActive())) {
        return;
    }
    ScreenReading now = currentReading();
    std::optional<ScreenReading>& last = lastReading();
    if (last == now) {
        return;
    }
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(canvas);
    if (last && root != nullptr) {
        QAccessibleInterface* grid = root->child(0);
        if (now.board != last->board) {
            announce(grid, QAccessible::NameChanged);
        }
        for (int i = 0; i < cellCount; ++i) {
            const auto at =
                static_cast<std::size_t>((i % gridColumns) * boardRows + i / gridColumns);
            if (last->cells[at] != now.cells[at]) {
                announce(grid->child(i), QAccessible::NameChanged);
            }
        }
        const int cursor = (now.cursorRow - 1) * gridColumns + now.cursorColumn - 1;
        const int before = (last->cursorRow - 1) * gridColumns + last->cursorColumn - 1;
        if (now.cursorShown && (!last->cursorShown || cursor != before) && canvas->hasFocus()) {
            announce(grid->child(cursor), QAccessible::Focus);
        }
        QAccessibleInterface* palette = root->child(1);
        for (int i = 0; i < palette->childCount(); ++i) {
            const BlockCode code = paletteCodes()[static_cast<std::size_t>(i)];
            if ((code == now.left) != (code == last->left) ||
                (code == now.right) != (code == last->right)) {
                announce(palette->child(i), QAccessible::NameChanged);
            }
        }
        if (now.left != last->left) {
            announce(root->child(2), QAccessible::NameChanged);
        }
        if (now.right != last->right) {
            announce(root->child(3), QAccessible::NameChanged);
        }
        if (now.status != last->status) {
            announce(root->child(root->childCount() - 1), QAccessible::NameChanged);
        }
    }
    if (last && overviewBoards != nullptr &&
        (now.overviewBackgrounds != last->overviewBackgrounds ||
         now.overviewFrame != last->overviewFrame)) {
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(overviewBoards);
        if (list != nullptr && now.overviewBackgrounds.size() == last->overviewBackgrounds.size()) {
            for (int i = 0; i < list->childCount(); ++i) {
                const auto at = static_cast<std::size_t>(i);
                if (now.overviewBackgrounds[at] != last->overviewBackgrounds[at]) {
                    announce(list->child(i), QAccessible::NameChanged);
                }
            }
            if (now.overviewFrame != last->overviewFrame) {
                announce(list->child(now.overviewFrame), QAccessible::Selection);
            }
        } else if (list != nullptr) {
            announce(list, QAccessible::ObjectReorder);
        }
    }
    last = std::move(now);
}

} // namespace bse
