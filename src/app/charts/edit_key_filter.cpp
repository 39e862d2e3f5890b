#include "app/charts/edit_key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace vostrel::app {

EditKeyFilter::EditKeyFilter(QLineEdit& edit, NumberKeys keys)
    : QObject(&edit), edit_(edit), keys_(keys) {
    edit.installEventFilter(this);
}

bool EditKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &edit_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Editing and moving keys and shortcuts are not the filter's business.
    if (key->text().size() != 1 || (key->modifiers() & Qt::ControlModifier)) return false;
    const QChar typed = key->text().at(0);
    if (typed.unicode() >= 128) {
        QApplication::beep();
        return true;
    }
    const char c = static_cast<char>(typed.unicode());
    if (c < ' ' && c != '\b') return false;  // Tab, Return, Escape
    EditBoxState box;
    box.text = edit_.text().toStdString();
    box.selStart = edit_.hasSelectedText() ? edit_.selectionStart() : edit_.cursorPosition();
    box.selLength = static_cast<int>(edit_.selectedText().size());
    KeyDecision decision;
    switch (keys_) {
        case NumberKeys::SignedReal:
            decision = SignedRealKeyFilter(box, c);
            break;
        case NumberKeys::PositiveReal:
            decision = UnsignedRealKeyFilter(box, c);
            break;
        case NumberKeys::Digits:
            decision = IntegerKeyFilter(c);
            break;
    }
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

void FilterNumberKeys(QLineEdit& edit, NumberKeys keys) { new EditKeyFilter(edit, keys); }

}  // namespace vostrel::app
