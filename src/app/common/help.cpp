#include "app/common/help.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "app/common/help_browser.h"
#include "app/common/qt_user_interface.h"
#include "engine/helpers/help_topics.h"
#include "engine/core/version.h"

namespace vostrel::app {
namespace {

bool HoldsGuide(const QString& folder) {
    return !folder.isEmpty() &&
           QFileInfo::exists(QDir(folder).filePath(QStringLiteral("index.md")));
}

// The help window, created on first use; closing it only hides it.
HelpBrowser* Browser(QWidget* parent) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* browser = qobject_cast<HelpBrowser*>(window)) return browser;
    }
    const QString folder = GuideFolder();
    if (folder.isEmpty()) {
        QMessageBox::warning(parent, QStringLiteral("Vostrel"),
                             QObject::tr("The Help file was not found."));
        return nullptr;
    }
    return new HelpBrowser(folder);
}

void Show(HelpBrowser* browser) {
    if (browser->isMinimized()) browser->showNormal();
    browser->show();
    browser->raise();
    browser->activateWindow();
}

void OpenAddress(const std::string& address, QWidget* parent) {
    if (!OpenDocument(QString::fromStdString(address)))
        QtUserInterface(parent).ErrorBox("WEB Site not accessible");
}

}  // namespace

QString GuideFolder() {
    const QString fromEnvironment = qEnvironmentVariable("VOSTREL_GUIDE_DIR");
    if (HoldsGuide(fromEnvironment)) return fromEnvironment;
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral(VOSTREL_INSTALLED_GUIDE));
    if (HoldsGuide(installed)) return QDir::cleanPath(installed);
    const QString source = QStringLiteral(VOSTREL_SOURCE_GUIDE);
    if (HoldsGuide(source)) return source;
    return QString();
}

void OpenHelpTopic(int topic, QWidget* parent) {
    HelpBrowser* browser = Browser(parent);
    if (browser == nullptr) return;
    Show(browser);  // first, so that the page is laid out at the window's width
    browser->ShowTopic(FindHelpTopic(topic));
}

void OpenHelpContents(QWidget* parent) {
    HelpBrowser* browser = Browser(parent);
    if (browser == nullptr) return;
    Show(browser);
    browser->ShowContents();
}

bool OpenDocument(const QString& pathOrAddress) {
    const QUrl url = QUrl::fromUserInput(pathOrAddress, QDir::currentPath(), QUrl::AssumeLocalFile);
    return url.isValid() && QDesktopServices::openUrl(url);
}

void OpenWebSite(QWidget* parent) { OpenAddress(kWebSiteAddress, parent); }

void OpenUpdatePage(QWidget* parent) { OpenAddress(UpdatePageAddress(kProgramVersion), parent); }

}  // namespace vostrel::app
