// Drives the "Performance Output" window offscreen: a report written by the engine's writer
// is shown with its styles, further reports are appended at the end, the user's edits are
// kept, saved and enlarged, and a save that fails leaves the old file whole.

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <sys/resource.h>
#include <csignal>

#include "app/report/output_window.h"
#include "app/report/report_edit_command.h"
#include "engine/report/report_export.h"
#include "engine/workspace.h"
#include "support/recording_user_interface.h"
#include "support/sample_report.h"
#include "support/temp_dir.h"

namespace vostrel::app {

using testing::TempDir;

class OutputWindowTest : public QObject {
    Q_OBJECT

    struct Fixture {
        testing::RecordingUserInterface ui;
        MemorySettingsStore settings;
        Workspace ws{ui, settings};
        TOutputForm form{ws};

        QTextEdit* Edit() { return form.findChild<QTextEdit*>("RichEdit"); }
        QString Text() { return Edit()->toPlainText(); }
        QTextBlock BlockWith(const QString& text) {
            for (QTextBlock b = Edit()->document()->begin(); b.isValid(); b = b.next())
                if (b.text().contains(text)) return b;
            return {};
        }
        QTextCharFormat FormatOf(const QString& text) {
            const QTextBlock block = BlockWith(text);
            return block.isValid() ? block.begin().fragment().charFormat() : QTextCharFormat();
        }
        QAction* Action(const char* name) { return form.findChild<QAction*>(name); }
    };

  private slots:
    void showsTheRunsStyled() {
        Fixture f;
        testing::WriteSampleReport(f.ws.report);
        f.form.ShowOutput(nullptr);
        QVERIFY(f.form.isVisible());
        QCOMPARE(f.form.windowTitle(), QString("Performance Output"));

        const QTextCharFormat title = f.FormatOf("Process Performance Analysis");
        QVERIFY(title.fontWeight() >= QFont::Bold);
        QVERIFY(title.fontUnderline());
        QCOMPARE(title.fontPointSize(), 14.0);
        QCOMPARE(title.fontFamilies().toStringList().value(0), QString("Arial"));

        const QTextCharFormat body = f.FormatOf("Mean =");
        QCOMPARE(body.fontPointSize(), 9.0);
        QCOMPARE(body.fontWeight(), int(QFont::Normal));
        QCOMPARE(body.fontFamilies().toStringList().value(0), QString("Courier New"));
        QCOMPARE(body.foreground().color(), QColor(Qt::black));

        const QTextCharFormat warning = f.FormatOf("Standard deviation is zero");
        QCOMPARE(warning.foreground().color(), QColor(Qt::red));
        QCOMPARE(f.FormatOf("-Page-").foreground().color(), QColor(Qt::red));

        QVERIFY(f.Text().contains("\t     Mean = \t12.345"));  // tabs kept
        QCOMPARE(f.Edit()->lineWrapMode(), QTextEdit::NoWrap);
        QVERIFY(!f.Edit()->tabChangesFocus());
    }

    void appendsAtTheEndAndKeepsTheUsersEdits() {
        Fixture f;
        f.ws.report.AddReportLine("first run");
        f.form.ShowOutput(nullptr);

        // The user types at the start; the caret stays there.
        f.Edit()->moveCursor(QTextCursor::Start);
        QTest::keyClicks(f.Edit(), "note ");
        f.ws.report.AddPageMarker();
        f.ws.report.AddReportLine("second run");
        f.form.ShowOutput(nullptr);
        QCOMPARE(f.Text(), QString("note first run\n-Page-\nsecond run\n"));

        // Appending again adds only what is new.
        f.ws.report.AddReportLine("third");
        f.form.ShowOutput(nullptr);
        QCOMPARE(f.Text(), QString("note first run\n-Page-\nsecond run\nthird\n"));

        // A cleared report is shown anew.
        f.ws.report.output.Clear();
        f.ws.report.AddReportLine("fresh");
        f.form.ShowOutput(nullptr);
        QCOMPARE(f.Text(), QString("fresh\n"));
    }

    void savesRichAndPlainTextWithTheEdits() {
        Fixture f;
        testing::WriteSampleReport(f.ws.report);
        f.form.ShowOutput(nullptr);
        f.Edit()->moveCursor(QTextCursor::End);
        QTest::keyClicks(f.Edit(), "Checked by QA");

        TempDir dir("output-window");
        const std::string text = dir.File("report.txt");
        QVERIFY(f.form.SaveToFile(QString::fromStdString(text)));
        const std::string plain = TempDir::Read(text);
        QVERIFY(plain.find("Process Performance Analysis\r\n") == 0);
        QVERIFY(plain.find("-Page-") == std::string::npos);
        QVERIFY(plain.find("\t      Ppk = \t1.250\r\nChecked by QA\r\n") != std::string::npos);

        const std::string rich = dir.File("report.rtf");
        QVERIFY(f.form.SaveToFile(QString::fromStdString(rich)));
        const std::string rtf = TempDir::Read(rich);
        QVERIFY(rtf.rfind("{\\rtf1", 0) == 0);
        QVERIFY(rtf.find("\\page\r\n") != std::string::npos);
        QVERIFY(rtf.find("\\b\\ul") != std::string::npos);
        QVERIFY(rtf.find("Checked by QA") != std::string::npos);

        // Any other name gets plain text.
        const std::string other = dir.File("report.log");
        QVERIFY(f.form.SaveToFile(QString::fromStdString(other)));
        QCOMPARE(TempDir::Read(other), plain);
        QVERIFY(f.ui.errors.empty());
    }

    // What the window shows reads back as the report the analysis wrote: fonts, sizes,
    // bold, underline, colours, tabs and page markers survive the trip through the widget.
    void savingWithoutEditsWritesTheAnalysisReport() {
        Fixture f;
        ReportWriter& w = f.ws.report;
        w.SetTitleFont(14);
        w.AddReportLine("Variance Components");
        w.SetBodyFont(9);
        w.AddReportLine("\tTotal Variance About Target = 4.0000  100.00%");
        w.SetFontBold();
        w.AddReportLine("\tσ = 2.0000");
        w.AddWarningLine("***** ERROR - Stream Variance greater than total *****");
        w.AddPageMarker();
        w.SetHeadingFont(12);
        w.AddReportLine("Performance {C:\\fs20}");
        f.form.ShowOutput(nullptr);

        TempDir dir("output-window");
        QVERIFY(f.form.SaveToFile(QString::fromStdString(dir.File("same.rtf"))));
        QCOMPARE(TempDir::Read(dir.File("same.rtf")), ReportToRtf(w.output));
        QVERIFY(f.form.SaveToFile(QString::fromStdString(dir.File("same.txt"))));
        QCOMPARE(TempDir::Read(dir.File("same.txt")), ReportToPlainText(w.output));
    }

    void failedSaveKeepsTheOldFileAndSaysSo() {
        Fixture f;
        testing::WriteSampleReport(f.ws.report);
        f.form.ShowOutput(nullptr);
        TempDir dir("output-window");
        const std::string old = dir.Write("report.txt", "old report\r\n");

        // A full disk: no file may grow beyond a few bytes while saving.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit tiny = saved;
        tiny.rlim_cur = 32;
        setrlimit(RLIMIT_FSIZE, &tiny);
        const bool ok = f.form.SaveToFile(QString::fromStdString(old));
        setrlimit(RLIMIT_FSIZE, &saved);

        QVERIFY(!ok);
        QCOMPARE(TempDir::Read(old), std::string("old report\r\n"));
        QCOMPARE(dir.EntryCount(), std::size_t(1));
        QCOMPARE(f.ui.errors.size(), std::size_t(1));
        QVERIFY(f.ui.errors[0].find(old) != std::string::npos);
        QVERIFY(f.ui.errors[0].find("not saved") != std::string::npos);

        // A folder that does not exist.
        QVERIFY(!f.form.SaveToFile(QString::fromStdString(dir.File("missing/report.rtf"))));
        QCOMPARE(f.ui.errors.size(), std::size_t(2));
    }

    void fontKeysStepEverySizeWithTheEdits() {
        Fixture f;
        testing::WriteSampleReport(f.ws.report);
        f.form.ShowOutput(nullptr);
        f.Edit()->moveCursor(QTextCursor::End);
        QTest::keyClicks(f.Edit(), "typed");
        QVERIFY(QTest::qWaitForWindowActive(&f.form));

        QTest::keyClick(f.Edit(), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(f.FormatOf("Process Performance Analysis").fontPointSize(), 15.0);
        QCOMPARE(f.FormatOf("Mean =").fontPointSize(), 10.0);
        QCOMPARE(f.ws.report.ReportHeadingSize, 11);
        QCOMPARE(f.ws.report.ReportBodySize, 10);
        QVERIFY(f.Text().endsWith("typed"));

        QTest::keyClick(f.Edit(), Qt::Key_D, Qt::ControlModifier);
        QTest::keyClick(f.Edit(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(f.FormatOf("Mean =").fontPointSize(), 8.0);
        QCOMPARE(f.ws.report.ReportBodySize, 8);

        // The toolbar does the same.
        f.form.findChild<QToolButton*>("ToolButton_FontUp")->click();
        QCOMPARE(f.FormatOf("Mean =").fontPointSize(), 9.0);
    }

    void editCommandsFollowTheSelection() {
        Fixture f;
        f.ws.report.AddReportLine("some text");
        f.form.ShowOutput(nullptr);
        f.Edit()->moveCursor(QTextCursor::Start);
        QVERIFY(!f.Action("Copy1")->isEnabled());
        QVERIFY(!f.Action("Cut1")->isEnabled());
        f.Action("Select1")->trigger();
        QVERIFY(f.Action("Copy1")->isEnabled());
        f.Action("Copy1")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("some text\n"));
        QVERIFY(f.Action("Paste1")->isEnabled());
    }

    // The same commands serve a one-line edit box and any report control's context menu.
    void editCommandsServeEditBoxesAndOtherReports() {
        QLineEdit box("12.5");
        box.selectAll();
        QVERIFY(ReportEditCommandEnabled("Cut1", &box));
        QVERIFY(ReportEditCommand("Copy1", &box));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("12.5"));
        QVERIFY(ReportEditCommand("Delete1", &box));
        QCOMPARE(box.text(), QString());
        QVERIFY(ReportEditCommand("Undo1", &box));
        QCOMPARE(box.text(), QString("12.5"));
        QVERIFY(!ReportEditCommand("Print1", &box));
        QVERIFY(!ReportEditCommand("Copy1", nullptr));

        QTextEdit report;
        report.setPlainText("chart report");
        QMenu* menu = AttachReportPopupMenu(&report);
        const auto item = [menu](const char* name) { return menu->findChild<QAction*>(name); };
        QGuiApplication::clipboard()->clear();
        emit menu->aboutToShow();
        QVERIFY(!item("Copy1")->isEnabled());
        QVERIFY(!item("Delete1")->isEnabled());
        QVERIFY(!item("Paste1")->isEnabled());
        item("Select1")->trigger();
        emit menu->aboutToShow();
        QVERIFY(item("Cut1")->isEnabled());
        item("Delete1")->trigger();
        QCOMPARE(report.toPlainText(), QString());
    }

    // Other windows and the guide rely on these names, hints and keys.
    void commandsHaveTheirNamesHintsAndKeys() {
        Fixture f;
        const std::pair<const char*, const char*> buttons[] = {
            {"ToolButton_Return", "Return to Main Form"},
            {"ToolButton_Save", "Save to File"},
            {"ToolButton_Print", "Print"},
            {"ToolButton_Copy", "Copy Selection"},
            {"ToolButton_Paste", "Paste"},
            {"ToolButton_FontUp", "Increase Font"},
            {"ToolButton_FontDown", "Decrease Font"},
            {"ToolButton_Help", "Help"},
            {"ToolButton_Close", "Hide Form"}};
        for (const auto& [name, hint] : buttons) {
            auto* button = f.form.findChild<QToolButton*>(name);
            QVERIFY2(button != nullptr, name);
            QCOMPARE(button->toolTip(), QString(hint));
        }
        const std::pair<const char*, const char*> keys[] = {
            {"Print1", "Ctrl+P"},        {"Copy1", "Ctrl+C"},
            {"Paste1", "Ctrl+V"},        {"Cut1", "Ctrl+X"},
            {"Undo1", "Ctrl+Z"},         {"IncreaseFont1", "Ctrl+I"},
            {"DecreaseFont1", "Ctrl+D"}, {"Select1", "Ctrl+A"},
            {"HelponOutputForm1", "F1"}, {"SaveAs1", ""},
            {"ReturntoMainForm1", ""},   {"Contents1", ""}};
        for (const auto& [name, key] : keys) {
            QAction* action = f.Action(name);
            QVERIFY2(action != nullptr, name);
            QCOMPARE(action->shortcut().toString(), QString(key));
        }
    }

    void clearBeforeDisplayIsTheAnalysisSetting() {
        Fixture f;
        auto* box = f.form.findChild<QCheckBox*>("OutputClearCheckBox");
        QVERIFY(box->isChecked());
        box->click();
        QVERIFY(!f.ws.analysis.OutputClear);
    }
};

}  // namespace vostrel::app

QTEST_MAIN(vostrel::app::OutputWindowTest)
#include "output_window_test.moc"
