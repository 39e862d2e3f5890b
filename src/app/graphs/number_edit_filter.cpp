#include "app/graphs/number_edit_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "engine/helpers/key_filters.h"

namespace vostrel::app {

NumberEditFilter::NumberEditFilter(QLineEdit& edit, bool signedNumber, std::function<void()> enter)
    : QObject(&edit), edit_(edit), signed_(signedNumber), enter_(std::move(enter)) {
    edit_.installEventFilter(this);
}

bool NumberEditFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &edit_ || event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        enter_();
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || !text[0].isPrint() || key->modifiers() & Qt::ControlModifier)
        return false;  // navigation and editing keys pass
    EditBoxState box;
    box.text = edit_.text().toStdString();
    box.selStart = edit_.hasSelectedText() ? edit_.selectionStart() : edit_.cursorPosition();
    box.selLength = static_cast<int>(edit_.selectedText().size());
    const char c = text[0].toLatin1();
    const KeyDecision decision =
        signed_ ? SignedRealKeyFilter(box, c) : UnsignedRealKeyFilter(box, c);
    if (!decision.accept) {
        QApplication::beep();
        return true;
    }
    if (decision.prepare) {
        edit_.setText(QString::fromStdString(decision.prepare->text));
        edit_.setSelection(decision.prepare->selStart, decision.prepare->selLength);
    }
    return false;
}

}  // namespace vostrel::app
