#include "app/main_window/about_box.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>

#include "app/main_window/shell_resources.h"
#include "engine/core/version.h"
#include "ui_about_box.h"
#include "ui_splash_form.h"

namespace vostrel::app {

namespace {
QString VersionLine() { return QStringLiteral("Version: ") + QString::fromLatin1(kVersionText); }
}  // namespace

QPixmap ProgramPicture(int width) {
    LoadShellResources();
    const QIcon picture(QStringLiteral(":/shell/images/vostrel.svg"));
    return picture.pixmap(QSize(width, width * 160 / 256));
}

TAboutBox::TAboutBox(QWidget* parent, std::function<bool()> openWebSite)
    : QDialog(parent), ui_(std::make_unique<Ui::TAboutBox>()) {
    ui_->setupUi(this);
    ui_->ProgramIcon->setPixmap(ProgramPicture(256));
    ui_->Version->setText(VersionLine());
    connect(ui_->OKButton, &QPushButton::clicked, this, &QDialog::accept);
    if (!openWebSite) {
        ui_->Label_WebSite->hide();
        return;
    }
    ui_->Label_WebSite->setText(QStringLiteral("<a href=\"site\">ZQX Zudizuzo WEB Site</a>"));
    ui_->Label_WebSite->setCursor(Qt::PointingHandCursor);
    connect(ui_->Label_WebSite, &QLabel::linkActivated, this, [this, openWebSite] {
        if (!openWebSite()) {
            QApplication::beep();
            QMessageBox::critical(this, windowTitle(), QStringLiteral("WEB Site not accessible"));
        }
    });
}

TAboutBox::~TAboutBox() = default;

TSplashForm::TSplashForm() : ui_(std::make_unique<Ui::TSplashForm>()) {
    ui_->setupUi(this);
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_StyledBackground);
    ui_->ProgramIcon->setPixmap(ProgramPicture(256));
    ui_->Version->setText(VersionLine());
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TSplashForm::~TSplashForm() = default;

}  // namespace vostrel::app
