#include "app/common/key_filter_binding.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace vostrel::app {

namespace {

int CharactersOutside(KeyFilterKind kind, const QString& text) {
    int count = 0;
    for (QChar c : text) {
        const char key = c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x7f';
        if (!TextFitsKeyFilter(kind, std::string_view(&key, 1))) ++count;
    }
    return count;
}

// Refuses an edit that brings in characters the filter does not take (a paste, say).
// Text that holds such characters already (set by the program) can still be shortened.
class KeyFilterValidator : public QValidator {
  public:
    KeyFilterValidator(QLineEdit* edit, KeyFilterKind kind)
        : QValidator(edit), edit_(edit), kind_(kind) {}
    void SetKind(KeyFilterKind kind) { kind_ = kind; }

    State validate(QString& input, int& /*pos*/) const override {
        return CharactersOutside(kind_, input) > CharactersOutside(kind_, edit_->text())
                   ? Invalid
                   : Acceptable;
    }

  private:
    QLineEdit* edit_;
    KeyFilterKind kind_;
};

class KeyFilterBinding : public QObject {
  public:
    KeyFilterBinding(QLineEdit* edit, KeyFilterKind kind)
        : QObject(edit), edit_(edit), kind_(kind), validator_(new KeyFilterValidator(edit, kind)) {
        setObjectName(QStringLiteral("KeyFilterBinding"));
        edit->installEventFilter(this);
        edit->setValidator(validator_);
    }
    void SetKind(KeyFilterKind kind) {
        kind_ = kind;
        validator_->SetKind(kind);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != edit_ || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        // Shortcuts (copy, paste, undo ...) and keys that type nothing pass.
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const QString text = key->text();
        if (text.size() != 1 || !text.at(0).isPrint()) return false;
        const char16_t typed = text.at(0).unicode();
        const char c = typed < 128 ? static_cast<char>(typed) : '\x7f';

        EditBoxState box;
        box.text = edit_->text().toStdString();
        box.selStart = edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
        box.selLength =
            edit_->hasSelectedText() ? static_cast<int>(edit_->selectedText().size()) : 0;
        const KeyDecision decision = FilterKey(kind_, box, c);
        if (!decision.accept) {
            QApplication::beep();
            return true;
        }
        if (decision.prepare) {
            edit_->setText(QString::fromStdString(decision.prepare->text));
            edit_->setSelection(decision.prepare->selStart, decision.prepare->selLength);
        }
        return false;
    }

  private:
    QLineEdit* edit_;
    KeyFilterKind kind_;
    KeyFilterValidator* validator_;
};

}  // namespace

void BindKeyFilter(QLineEdit* edit, KeyFilterKind kind) {
    auto* binding = edit->findChild<KeyFilterBinding*>(QStringLiteral("KeyFilterBinding"),
                                                       Qt::FindDirectChildrenOnly);
    if (binding)
        binding->SetKind(kind);
    else
        new KeyFilterBinding(edit, kind);
}

}  // namespace vostrel::app
