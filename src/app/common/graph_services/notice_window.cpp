#include "app/common/graph_services/notice_window.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "ui_notice_window.h"

namespace vostrel::app {

namespace {

// The one notice of the program; it deletes itself when its time is up.
QPointer<TWaitMessageDialog>& Notice() {
    static QPointer<TWaitMessageDialog> notice;
    return notice;
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace

TWaitMessageDialog::TWaitMessageDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      ui_(new Ui::TWaitMessageDialog),
      timer_(new QTimer(this)) {
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &QDialog::close);
}

TWaitMessageDialog::~TWaitMessageDialog() { delete ui_; }

void TWaitMessageDialog::ShowText(const QString& text, int seconds) {
    ui_->Panel1->setText(text);
    const int textWidth = QFontMetrics(ui_->Panel1->font()).horizontalAdvance(text);
    resize(textWidth + 92, sizeHint().height());
    CentreOnScreen(this);
    show();
    raise();
    timer_->start(std::max(seconds, 0) * 1000);
}

QString TWaitMessageDialog::Text() const { return ui_->Panel1->text(); }

TWaitMessageDialog* ShowNotice(const QString& text, int seconds) {
    QPointer<TWaitMessageDialog>& notice = Notice();
    if (notice.isNull()) notice = new TWaitMessageDialog;
    notice->ShowText(text, seconds);
    return notice.data();
}

TWaitMessageDialog* CurrentNotice() { return Notice().data(); }

}  // namespace vostrel::app
