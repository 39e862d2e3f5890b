// The desktop program's answers to the engine: real message boxes and a progress window
// whose Cancel the engine sees.

#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

#include "app/common/qt_user_interface.h"
#include "support/modal.h"

using vostrel::Answer;
using vostrel::app::QtUserInterface;
using vostrel::testing::WhenModalShows;

class QtUserInterfaceTest : public QObject {
    Q_OBJECT
  private slots:
    void questionsAreAnsweredInAMessageBox() {
        QWidget parent;
        QtUserInterface ui(&parent);
        QString asked;
        WhenModalShows<QMessageBox>([&](QMessageBox* box) {
            asked = box->text();
            QVERIFY(box->button(QMessageBox::Cancel) != nullptr);
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(ui.Confirm("File Not Saved.  Save?", true), Answer::No);
        QCOMPARE(asked, QStringLiteral("File Not Saved.  Save?"));

        WhenModalShows<QMessageBox>([](QMessageBox* box) { box->reject(); });  // Escape
        QCOMPARE(ui.Confirm("Do you wish to save Data File first?", false), Answer::No);
    }

    void theProgressWindowsCancelReachesTheEngine() {
        QWidget parent;
        QtUserInterface ui(&parent);
        ui.ProgressStart("Loading File...");
        auto* progress = parent.findChild<QProgressDialog*>(QStringLiteral("ProgressDialog"));
        QVERIFY(progress != nullptr);
        QCOMPARE(progress->labelText(), QStringLiteral("Loading File..."));
        ui.Progress(10);
        QVERIFY(!ui.ProgressCancelled());
        progress->findChild<QPushButton*>()->click();
        QVERIFY(ui.ProgressCancelled());
        ui.ProgressEnd();
        QVERIFY(!ui.ProgressCancelled());  // the next long work starts afresh
    }
};

QTEST_MAIN(QtUserInterfaceTest)
#include "qt_user_interface_test.moc"
