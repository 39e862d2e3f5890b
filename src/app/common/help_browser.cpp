#include "app/common/help_browser.h"

#include <QApplication>
#include <QDir>
#include <QShortcut>

#include "app/common/guide_view.h"
#include "ui_help_browser.h"

namespace vostrel::app {

HelpBrowser::HelpBrowser(const QString& guideFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), ui_(std::make_unique<Ui::HelpBrowser>()), folder_(guideFolder) {
    ui_->setupUi(this);
    setAttribute(Qt::WA_QuitOnClose, false);  // the program ends with its main window
    ui_->GuideText->setSearchPaths({folder_});
    BindKeys();
}

HelpBrowser::~HelpBrowser() = default;

GuideView* HelpBrowser::View() const { return ui_->GuideText; }

QUrl HelpBrowser::PageAddress(std::string_view page) const {
    return QUrl::fromLocalFile(
        QDir(folder_).filePath(QString::fromUtf8(page.data(), qsizetype(page.size()))));
}

void HelpBrowser::ShowTopic(const HelpTopic& topic) {
    QUrl address = PageAddress(topic.page);
    if (!topic.heading.empty())
        address.setFragment(QString::fromStdString(HeadingAnchor(topic.heading)));
    View()->Open(address);
    if (topic.heading.empty()) View()->moveCursor(QTextCursor::Start);
    View()->setFocus();
}

void HelpBrowser::ShowContents() { ShowTopic(HelpTopic{0, kHelpContentsPage, ""}); }

void HelpBrowser::BindKeys() {
    GuideView* view = View();
    connect(ui_->Button_Back, &QPushButton::clicked, view, &QTextBrowser::backward);
    connect(ui_->Button_Forward, &QPushButton::clicked, view, &QTextBrowser::forward);
    connect(ui_->Button_Contents, &QPushButton::clicked, this, &HelpBrowser::ShowContents);
    connect(ui_->Button_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(view, &QTextBrowser::backwardAvailable, ui_->Button_Back, &QWidget::setEnabled);
    connect(view, &QTextBrowser::forwardAvailable, ui_->Button_Forward, &QWidget::setEnabled);
    connect(view, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = View()->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Vostrel Help") : tr("Vostrel Help - %1").arg(title));
    });
    connect(ui_->Edit_Find, &QLineEdit::returnPressed, this,
            [this] { FindNext(QApplication::keyboardModifiers().testFlag(Qt::ShiftModifier)); });

    const auto key = [this](const QKeySequence& sequence, auto handler) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    key(QKeySequence(Qt::ALT | Qt::Key_Left), [view] { view->backward(); });
    key(QKeySequence(Qt::ALT | Qt::Key_Right), [view] { view->forward(); });
    key(QKeySequence(Qt::ALT | Qt::Key_Home), [this] { ShowContents(); });
    key(QKeySequence::Find, [this] {
        ui_->Edit_Find->setFocus();
        ui_->Edit_Find->selectAll();
    });
    key(QKeySequence::FindNext, [this] { FindNext(false); });
    key(QKeySequence::FindPrevious, [this] { FindNext(true); });
    key(QKeySequence(Qt::Key_Escape), [this] { close(); });
}

// Finds the text after (or before) the caret, going round the page once.
void HelpBrowser::FindNext(bool backward) {
    const QString text = ui_->Edit_Find->text();
    if (text.isEmpty()) return;
    GuideView* view = View();
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (view->find(text, flags)) return;
    const QTextCursor kept = view->textCursor();
    view->moveCursor(backward ? QTextCursor::End : QTextCursor::Start);
    if (view->find(text, flags)) return;
    view->setTextCursor(kept);
    QApplication::beep();
}

}  // namespace vostrel::app
