#include "app/data/editor/cell_delegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include "app/data/editor/grid_model.h"
#include "engine/data/grid/editor_state.h"
#include "engine/workspace.h"

namespace vostrel::app {

namespace {

constexpr int kTextMargin = 5;
const char* const kDescRowProperty = "descRow";

struct CellColors {
    QColor Background = Qt::white;
    QColor Text = Qt::black;
};

}  // namespace

CellDelegate::CellDelegate(Workspace& ws, GridModel& model, QObject* parent)
    : QStyledItemDelegate(parent), ws_(ws), model_(model) {}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const int col = GridModel::GridCol(index);
    const int row = GridModel::GridRow(index);
    CellColors colors;
    if (option.state & QStyle::State_Selected) {
        colors.Background = QColor(0, 0, 128);  // navy
        colors.Text = Qt::white;
    } else {
        const CellLook look = LookOfCell(ws_, col, row, false);
        if (look.TextColumn) colors.Background = Qt::yellow;
        if (model_.Page() == GridId::Data) {
            if (look.Excluded) colors.Background = QColor(0, 255, 255);  // aqua
            if (look.Missing) {
                colors.Background = Qt::blue;
                colors.Text = Qt::white;
            }
        }
    }
    painter->save();
    painter->fillRect(option.rect, colors.Background);
    const QString text = index.data(Qt::DisplayRole).toString();
    painter->setFont(option.font);
    painter->setPen(colors.Text);
    const QRect textRect = option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    painter->drawText(textRect, Qt::AlignRight | Qt::AlignVCenter, text);
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(colors.Text, 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
    }
    painter->restore();
    if (widthWanted_ && !text.isEmpty()) {
        const int needed = option.fontMetrics.horizontalAdvance(text) + 2 * kTextMargin;
        if (needed > option.rect.width()) widthWanted_(index.column(), needed);
    }
}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setAlignment(Qt::AlignRight);
    // The view lets this delegate filter the editor's keys.
    if (model_.Page() == GridId::Desc)
        editor->setProperty(kDescRowProperty, GridModel::GridRow(index));
    return editor;
}

bool CellDelegate::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QVariant row = object->property(kDescRowProperty);
        const QString text = key->text();
        const bool control = (key->modifiers() & Qt::ControlModifier) != 0;
        if (row.isValid() && !control && text.size() == 1 && text[0].isPrint() &&
            (text[0].unicode() > 0x7f ||
             !DescriptionKeyAllowed(row.toInt(), static_cast<char>(text[0].unicode())))) {
            QApplication::beep();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace vostrel::app
