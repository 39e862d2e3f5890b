// Prints a report of three sections to PDF and reads the pages back with pdftotext.

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include "app/common/print_report.h"
#include "engine/workspace.h"
#include "support/sample_report.h"

namespace vostrel {

class ReportPrintTest : public QObject {
    Q_OBJECT

  private:
    // The text of each page of the PDF, or an empty list when pdftotext fails.
    static QStringList PdfPages(const QString& path) {
        QProcess process;
        process.start("pdftotext", {"-layout", path, "-"});
        if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
        QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split('\f');
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
        return pages;
    }

    static QString PrintToPdf(Workspace& workspace, const QTemporaryDir& dir,
                              QPageLayout::Orientation orientation) {
        const QString path = dir.filePath("report.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageOrientation(orientation);
        const std::string error = PrintReportOn(printer, workspace.report, "Vostrel - bores.zqx");
        if (!error.empty()) return QString();
        return path;
    }

  private slots:
    void printsThreePagesWithHeaderAndFooter() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        SilentUserInterface ui;
        MemorySettingsStore settings;
        Workspace workspace(ui, settings);
        workspace.report.date.fixedText = "01/02/2024";
        testing::WriteSampleReport(workspace.report);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = PrintToPdf(workspace, dir, QPageLayout::Portrait);
        QVERIFY(!path.isEmpty());

        const QStringList pages = PdfPages(path);
        QCOMPARE(pages.size(), 3);
        QVERIFY(pages[0].contains("Vostrel - bores.zqx"));
        QVERIFY(pages[0].contains("01/02/2024"));
        QVERIFY(pages[0].contains("Process Performance Analysis"));
        QVERIFY(!pages[0].contains("Page ("));
        QVERIFY(!pages[0].contains("-Page-"));

        QVERIFY(pages[1].contains("Vostrel - bores.zqx"));
        QVERIFY(pages[1].contains("Page (2)"));
        QVERIFY(pages[1].contains("Variable Analysis"));
        QVERIFY(pages[1].contains("Standard deviation is zero"));

        QVERIFY(pages[2].contains("01/02/2024"));
        QVERIFY(pages[2].contains("Page (3)"));
        QVERIFY(pages[2].contains("Ppk ="));
        QVERIFY(pages[2].contains("1.250"));
    }

    void remembersTheOrientationOfTheLastPrint() {
        SilentUserInterface ui;
        MemorySettingsStore settings;
        Workspace workspace(ui, settings);
        testing::WriteSampleReport(workspace.report);
        QTemporaryDir dir;
        QVERIFY(!PrintToPdf(workspace, dir, QPageLayout::Landscape).isEmpty());
        QCOMPARE(workspace.report.PrintOrientation, PageOrientation::Landscape);
        QVERIFY(QFileInfo(dir.filePath("report.pdf")).size() > 0);
    }

    void printerThatCannotStartIsReported() {
        SilentUserInterface ui;
        MemorySettingsStore settings;
        Workspace workspace(ui, settings);
        workspace.report.AddReportLine("x");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName("/nonexistent-folder/report.pdf");
        QVERIFY(!PrintReportOn(printer, workspace.report, "t").empty());
    }
};

}  // namespace vostrel

QTEST_MAIN(vostrel::ReportPrintTest)
#include "report_print_test.moc"
