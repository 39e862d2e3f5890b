#include "app/data/editor/grid_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "app/data/editor/grid_model.h"
#include "engine/data/grid/cell_navigation.h"

namespace vostrel::app {

namespace {

constexpr int kRowHeight = 20;
constexpr int kNameMargin = 10;

const char* const kHeaderStyle =
    "QHeaderView { background: white; }"
    "QHeaderView::section { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
    "stop:0 white, stop:1 silver); color: black; border: none; "
    "border-right: 1px solid gray; border-bottom: 1px solid gray; padding: 0 4px; }"
    "QTableCornerButton::section { background: silver; border: none; "
    "border-right: 1px solid gray; border-bottom: 1px solid gray; }";

}  // namespace

GridView::GridView(QWidget* parent) : QTableView(parent) {
    setFont(QFont(QStringLiteral("Arial"), 9));
    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(kRowHeight);
    rows->setMinimumWidth(40);
    QHeaderView* cols = horizontalHeader();
    cols->setSectionResizeMode(QHeaderView::Interactive);
    cols->setMinimumSectionSize(5);
    cols->setDefaultSectionSize(defaultWidth_);
    cols->setHighlightSections(false);
    rows->setHighlightSections(false);
    setStyleSheet(QString::fromLatin1(kHeaderStyle));
    setWordWrap(false);
    setTabKeyNavigation(true);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::EditKeyPressed);
    QPalette colors = palette();
    colors.setColor(QPalette::Highlight, QColor(0, 0, 128));
    colors.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(colors);

    connect(cols, &QHeaderView::sectionPressed, this, [this] {
        lastPress_ = PressedOn::ColumnHeaders;
        if (EditingName()) EndNameEdit(true, Move::Down);
    });
    connect(rows, &QHeaderView::sectionPressed, this, [this] {
        lastPress_ = PressedOn::RowNumbers;
        if (EditingName()) EndNameEdit(true, Move::Down);
    });
    connect(cols, &QHeaderView::sectionDoubleClicked, this, [this](int section) {
        if (Model() != nullptr && Model()->Page() == GridId::Data) EditColumnName(section + 1);
    });
    for (QHeaderView* header : {cols, rows}) {
        header->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(header, &QWidget::customContextMenuRequested, this, [this, header](QPoint pos) {
            const int section = header->logicalIndexAt(pos);
            const bool columns = header->orientation() == Qt::Horizontal;
            if (section >= 0 && !(columns ? selectionModel()->isColumnSelected(section, {})
                                          : selectionModel()->isRowSelected(section, {}))) {
                if (columns)
                    selectColumn(section);
                else
                    selectRow(section);
            }
            emit ContextMenuAt(header->mapToGlobal(pos),
                               columns ? PressedOn::ColumnHeaders : PressedOn::RowNumbers);
        });
    }
}

GridModel* GridView::Model() const { return qobject_cast<GridModel*>(model()); }

void GridView::SetModel(GridModel* model) {
    setModel(model);
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        widths_.clear();
        for (int c = 0; c < horizontalHeader()->count(); ++c)
            widths_.push_back(horizontalHeader()->sectionSize(c));
    });
    connect(model, &QAbstractItemModel::modelReset, this, &GridView::RestoreWidths);
}

int GridView::CurrentCol() const {
    return currentIndex().isValid() ? currentIndex().column() + 1 : 1;
}

int GridView::CurrentRow() const { return currentIndex().isValid() ? currentIndex().row() + 1 : 1; }

void GridView::SetCurrentCell(int col, int row) {
    if (model() == nullptr || model()->rowCount() == 0 || model()->columnCount() == 0) return;
    const QModelIndex index = model()->index(std::clamp(row, 1, model()->rowCount()) - 1,
                                             std::clamp(col, 1, model()->columnCount()) - 1);
    setCurrentIndex(index);
    scrollTo(index);
}

GridRect GridView::SelectionRect() const {
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty()) {
        const int c = CurrentCol(), r = CurrentRow();
        return GridRect{c, r, c, r};
    }
    GridRect rect{INT_MAX, INT_MAX, 0, 0};
    for (const QItemSelectionRange& range : selection) {
        rect.Left = std::min(rect.Left, range.left() + 1);
        rect.Top = std::min(rect.Top, range.top() + 1);
        rect.Right = std::max(rect.Right, range.right() + 1);
        rect.Bottom = std::max(rect.Bottom, range.bottom() + 1);
    }
    return rect;
}

void GridView::SelectRect(const GridRect& rect) {
    if (model() == nullptr || model()->rowCount() == 0 || model()->columnCount() == 0) return;
    auto at = [this](int col, int row) {
        return model()->index(std::clamp(row, 1, model()->rowCount()) - 1,
                              std::clamp(col, 1, model()->columnCount()) - 1);
    };
    const QModelIndex topLeft = at(rect.Left, rect.Top);
    selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(topLeft, at(rect.Right, rect.Bottom)),
                             QItemSelectionModel::ClearAndSelect);
    scrollTo(topLeft);
}

void GridView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool ctrl = (mods & Qt::ControlModifier) != 0;
    const bool shift = (mods & Qt::ShiftModifier) != 0;
    switch (event->key()) {
        case Qt::Key_Tab:
            if (!ctrl) return Navigate(Move::Next);
            break;
        case Qt::Key_Backtab:
            if (!ctrl) return Navigate(Move::Previous);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter in a cell's editor reaches the grid too; closing the editor moves down.
            if (state() != QAbstractItemView::EditingState) Navigate(Move::Down);
            return;
        case Qt::Key_Delete:
            if (mods == Qt::NoModifier) {
                emit ClearRequested();
                return;
            }
            break;
        case Qt::Key_Down:
            if (ctrl) return Jump(0, 1, shift);
            break;
        case Qt::Key_Up:
            if (ctrl) return Jump(0, -1, shift);
            break;
        case Qt::Key_Right:
            if (ctrl) return Jump(1, 0, shift);
            break;
        case Qt::Key_Left:
            if (ctrl) return Jump(-1, 0, shift);
            break;
        default:
            break;
    }
    QTableView::keyPressEvent(event);
}

void GridView::Navigate(Move move) {
    if (model() == nullptr) return;
    const int col = CurrentCol(), row = CurrentRow();
    const int cols = model()->columnCount(), rows = model()->rowCount();
    const bool dataPage = Model() != nullptr && Model()->Page() == GridId::Data;
    switch (move) {
        case Move::Next:
            if (col < cols)
                SetCurrentCell(col + 1, row);
            else if (dataPage)
                emit TabPastLastColumn(row);
            else if (row < rows)
                SetCurrentCell(1, row + 1);
            break;
        case Move::Previous:
            if (col > 1)
                SetCurrentCell(col - 1, row);
            else if (row > 1)
                SetCurrentCell(cols, row - 1);
            break;
        case Move::Down:
            if (row < rows)
                SetCurrentCell(col, row + 1);
            else if (dataPage)
                emit EnterOnLastRow(col);
            break;
    }
}

void GridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    switch (hint) {
        case QAbstractItemDelegate::EditNextItem:
            QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
            return Navigate(Move::Next);
        case QAbstractItemDelegate::EditPreviousItem:
            QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
            return Navigate(Move::Previous);
        case QAbstractItemDelegate::SubmitModelCache:
            QTableView::closeEditor(editor, hint);
            return Navigate(Move::Down);
        default:
            QTableView::closeEditor(editor, hint);
    }
}

void GridView::Jump(int dCol, int dRow, bool extend) {
    GridModel* grid = Model();
    if (grid == nullptr) return;
    const CellPos from{CurrentCol(), CurrentRow()};
    const CellPos to =
        JumpTarget(grid->Grid(), from, dCol, dRow, grid->columnCount(), grid->rowCount());
    if (!extend) return SetCurrentCell(to.Col, to.Row);
    // The selection grows from its corner opposite the current cell.
    const GridRect s = SelectionRect();
    const CellPos anchor{from.Col == s.Left ? s.Right : s.Left,
                         from.Row == s.Top ? s.Bottom : s.Top};
    const QModelIndex target = model()->index(to.Row - 1, to.Col - 1);
    selectionModel()->select(QItemSelection(model()->index(anchor.Row - 1, anchor.Col - 1), target),
                             QItemSelectionModel::ClearAndSelect);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
    scrollTo(target);
}

void GridView::mousePressEvent(QMouseEvent* event) {
    lastPress_ = PressedOn::Cells;
    if (EditingName()) EndNameEdit(true, Move::Down);
    QTableView::mousePressEvent(event);
    emit CellPressed();
}

void GridView::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid() && !selectionModel()->isSelected(index)) setCurrentIndex(index);
    emit ContextMenuAt(event->globalPos(), PressedOn::Cells);
}

void GridView::EditColumnName(int col) {
    if (model() == nullptr || col < 1 || col > model()->columnCount()) return;
    if (EditingName()) EndNameEdit(true, Move::Down);
    scrollTo(model()->index(std::max(CurrentRow(), 1) - 1, col - 1));
    QHeaderView* header = horizontalHeader();
    nameCol_ = col;
    nameEditor_ = new QLineEdit(header->viewport());
    nameEditor_->setObjectName(QStringLiteral("Edit_ColumnName"));
    nameEditor_->setText(model()->headerData(col - 1, Qt::Horizontal).toString());
    nameEditor_->setGeometry(header->sectionViewportPosition(col - 1), 0,
                             std::max(header->sectionSize(col - 1), 60), header->height());
    nameEditor_->installEventFilter(this);
    nameEditor_->show();
    nameEditor_->setFocus();
    nameEditor_->selectAll();
}

bool GridView::eventFilter(QObject* object, QEvent* event) {
    if (object == nameEditor_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                EndNameEdit(true, Move::Down);
                return true;
            case Qt::Key_Tab:
                EndNameEdit(true, Move::Next);
                return true;
            case Qt::Key_Escape:
                EndNameEdit(false, Move::Down);
                return true;
            default:
                break;
        }
    }
    if (object == nameEditor_ && event->type() == QEvent::FocusOut) {
        QTimer::singleShot(0, this, [this] {
            if (EditingName() && !nameEditor_->hasFocus()) EndNameEdit(true, Move::Down);
        });
    }
    return QTableView::eventFilter(object, event);
}

void GridView::EndNameEdit(bool commit, Move then) {
    QLineEdit* editor = nameEditor_;
    if (editor == nullptr) return;
    nameEditor_ = nullptr;
    const QString text = editor->text();
    const int col = nameCol_;
    editor->removeEventFilter(this);
    editor->setObjectName(QString());  // the next name's editor takes the name
    editor->hide();
    editor->deleteLater();
    if (commit && model() != nullptr) model()->setHeaderData(col - 1, Qt::Horizontal, text);
    if (then == Move::Next && model() != nullptr && col < model()->columnCount()) {
        EditColumnName(col + 1);
        return;
    }
    SetCurrentCell(col, 1);
    setFocus();
}

void GridView::SetDefaultWidth(int width) {
    defaultWidth_ = width;
    QHeaderView* header = horizontalHeader();
    header->setDefaultSectionSize(width);
    for (int c = 0; c < header->count(); ++c) header->resizeSection(c, width);
    widths_.clear();
    RestoreWidths();
}

void GridView::RestoreWidths() {
    QHeaderView* header = horizontalHeader();
    const QFontMetrics metrics(header->font());
    for (int c = 0; c < header->count(); ++c) {
        int width = c < static_cast<int>(widths_.size()) ? widths_[static_cast<std::size_t>(c)]
                                                         : defaultWidth_;
        const QString name = model()->headerData(c, Qt::Horizontal).toString();
        width = std::max(width, metrics.horizontalAdvance(name) + kNameMargin + 8);
        header->resizeSection(c, width);
    }
}

void GridView::WantWidth(int column, int width) {
    if (width <= horizontalHeader()->sectionSize(column)) return;
    int& wanted = wanted_[column];
    wanted = std::max(wanted, width);
    if (widenQueued_) return;
    widenQueued_ = true;
    QTimer::singleShot(0, this, &GridView::ApplyWantedWidths);
}

void GridView::ApplyWantedWidths() {
    widenQueued_ = false;
    QHeaderView* header = horizontalHeader();
    for (const auto& [column, width] : wanted_)
        if (column < header->count() && header->sectionSize(column) < width)
            header->resizeSection(column, width);
    wanted_.clear();
}

}  // namespace vostrel::app
