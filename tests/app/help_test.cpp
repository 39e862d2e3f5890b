// Opens the user guide as the windows do: at a topic's section, at the contents, by
// keyboard, and checks that every topic and every link of the guide leads somewhere.

#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include "app/common/guide_view.h"
#include "app/common/help.h"
#include "app/common/help_browser.h"
#include "engine/helpers/help_topics.h"

namespace vostrel::app {

// Stands in for the desktop's web browser.
class AddressCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class HelpTest : public QObject {
    Q_OBJECT

    static HelpBrowser* Browser() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* browser = qobject_cast<HelpBrowser*>(window)) return browser;
        }
        return nullptr;
    }
    static QString PageShown() { return Browser()->View()->source().fileName(); }
    static QString CaretBlock() { return Browser()->View()->textCursor().block().text(); }

  private slots:
    void initTestCase() { QVERIFY2(!GuideFolder().isEmpty(), "the guide is not found"); }

    void opensAtTheSectionOfATopic() {
        OpenHelpTopic(3100, nullptr);
        HelpBrowser* browser = Browser();
        QVERIFY(browser != nullptr);
        QVERIFY(browser->isVisible());
        QCOMPARE(PageShown(), QString("main-window.md"));
        QCOMPARE(CaretBlock(), QString("User-set standard deviations"));

        OpenHelpTopic(6000, nullptr);
        QCOMPARE(Browser(), browser);  // one help window
        QCOMPARE(PageShown(), QString("output-window.md"));
        QCOMPARE(CaretBlock(), QString("The output window"));

        OpenHelpTopic(987654, nullptr);  // not a topic: the contents
        QCOMPARE(PageShown(), QString("index.md"));
    }

    void everyTopicHasItsSection() {
        OpenHelpContents(nullptr);
        GuideView* view = Browser()->View();
        for (const HelpTopic* topic = HelpTopicsBegin(); topic != HelpTopicsEnd(); ++topic) {
            const QString page =
                QString::fromUtf8(topic->page.data(), qsizetype(topic->page.size()));
            QVERIFY2(QFileInfo::exists(QDir(GuideFolder()).filePath(page)), qPrintable(page));
            if (topic->heading.empty()) continue;
            Browser()->ShowTopic(*topic);
            QVERIFY2(view->ScrollToHeading(QString::fromStdString(HeadingAnchor(topic->heading))),
                     qPrintable(QString::number(topic->number)));
        }
    }

    // Every link between the guide's pages names a page that exists and a heading on it.
    void everyLinkOfTheGuideLeadsSomewhere() {
        OpenHelpContents(nullptr);
        GuideView* view = Browser()->View();
        const QDir folder(GuideFolder());
        const QStringList pages = folder.entryList({"*.md"});
        QVERIFY(pages.size() >= 8);
        QMap<QString, QStringList> headingsWanted;  // page file -> anchors that links name
        for (const QString& page : pages) {
            const QUrl address = QUrl::fromLocalFile(folder.filePath(page));
            view->Open(address);
            for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next()) {
                for (auto it = b.begin(); !it.atEnd(); ++it) {
                    const QTextCharFormat format = it.fragment().charFormat();
                    if (!format.isAnchor() || format.anchorHref().isEmpty()) continue;
                    const QUrl target = address.resolved(QUrl(format.anchorHref()));
                    if (target.scheme() != "file") continue;
                    const QString file = target.toLocalFile();
                    QVERIFY2(QFileInfo::exists(file),
                             qPrintable(page + ": " + format.anchorHref()));
                    headingsWanted[file] << target.fragment();
                }
            }
        }
        for (auto it = headingsWanted.cbegin(); it != headingsWanted.cend(); ++it) {
            view->Open(QUrl::fromLocalFile(it.key()));
            for (const QString& anchor : it.value()) {
                if (!anchor.isEmpty())
                    QVERIFY2(view->ScrollToHeading(anchor), qPrintable(it.key() + "#" + anchor));
            }
        }
    }

    void worksByKeyboard() {
        OpenHelpContents(nullptr);
        HelpBrowser* browser = Browser();
        QVERIFY(QTest::qWaitForWindowActive(browser));
        GuideView* view = browser->View();
        view->setFocus();
        QCOMPARE(PageShown(), QString("index.md"));

        // Tab selects the first link, Enter follows it, Alt+Left comes back.
        QTest::keyClick(view, Qt::Key_Tab);
        QVERIFY(view->textCursor().hasSelection());
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(PageShown(), QString("getting-started.md"));
        QVERIFY(browser->findChild<QPushButton*>("Button_Back")->isEnabled());
        QTest::keyClick(view, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(PageShown(), QString("index.md"));

        // Ctrl+F and a word find it on the page.
        QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
        auto* find = browser->findChild<QLineEdit*>("Edit_Find");
        QVERIFY(find->hasFocus());
        QTest::keyClicks(find, "Tab, Shift");
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(view->textCursor().selectedText(), QString("Tab, Shift"));

        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!browser->isVisible());
    }

    void webPagesOpenInTheBrowser() {
        AddressCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        OpenWebSite(nullptr);
        OpenUpdatePage(nullptr);
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.opened.size(), 2);
        QCOMPARE(catcher.opened[0].toString(), QString(kWebSiteAddress));
        QVERIFY(catcher.opened[1].toString().contains("version="));
    }

    void guideFolderCanBeNamed() {
        QTemporaryDir dir;
        QFile index(dir.filePath("index.md"));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("# Elsewhere\n");
        index.close();
        qputenv("VOSTREL_GUIDE_DIR", dir.path().toLocal8Bit());
        QCOMPARE(GuideFolder(), dir.path());
        qunsetenv("VOSTREL_GUIDE_DIR");
    }
};

}  // namespace vostrel::app

QTEST_MAIN(vostrel::app::HelpTest)
#include "help_test.moc"
