// The services every graph window shares, driven on a small plot offscreen.

#include <qcustomplot.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "app/common/graph_services/form_sizing.h"
#include "app/common/graph_services/graph_commands.h"
#include "app/common/graph_services/graph_image.h"
#include "app/common/graph_services/graph_window_services.h"
#include "app/common/graph_services/notice_window.h"
#include "app/common/graph_services/titles_dialog.h"
#include "engine/workspace.h"
#include "support/scripted_ui.h"

namespace vostrel {

namespace {

// A plot with a title element, two axis titles and a red line.
void FillPlot(QCustomPlot& plot) {
    plot.plotLayout()->insertRow(0);
    plot.plotLayout()->addElement(0, 0, new QCPTextElement(&plot, "Weights", QFont("Sans", 12)));
    plot.xAxis->setLabel("Time");
    plot.yAxis->setLabel("Weight");
    QCPGraph* graph = plot.addGraph();
    graph->setData({0, 1, 2, 3}, {1, 3, 2, 4});
    graph->setPen(QPen(Qt::red, 3));
    plot.rescaleAxes();
    plot.resize(400, 300);
    plot.replot();
}

// Runs `answer` on the next modal dialog that opens.
void WhenDialogOpens(std::function<void(QDialog*)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr) answer(dialog);
    });
}

QByteArray FileStart(const QString& path, int bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.read(bytes);
}

}  // namespace

class GraphServicesTest : public QObject {
    Q_OBJECT

  private slots:
    void writesEachFormatByItsExtension() {
        QCustomPlot plot;
        FillPlot(plot);
        QTemporaryDir dir;
        const struct {
            const char* name;
            GraphFileFormat format;
            QByteArray magic;
        } files[] = {{"a.png", GraphFileFormat::Png, "\x89PNG"},
                     {"a.svg", GraphFileFormat::Svg, "<?xml"},
                     {"a.pdf", GraphFileFormat::Pdf, "%PDF"},
                     {"a.bmp", GraphFileFormat::Bmp, "BM"},
                     {"a.jpg", GraphFileFormat::Jpeg, "\xff\xd8"}};
        for (const auto& file : files) {
            const QString path = dir.filePath(file.name);
            QCOMPARE(app::WritePlotFile(plot, path, file.format, QSize(300, 200)), QString());
            QCOMPARE(FileStart(path, file.magic.size()), file.magic);
        }
        // The raster is drawn at the size asked for, not the window's.
        QCOMPARE(QImage(dir.filePath("a.png")).size(), QSize(300, 200));
        QVERIFY(FileStart(dir.filePath("a.svg"), 1 << 20).contains("Weights"));
    }

    void refusesAMissingFolderAndKeepsAnOldFile() {
        QCustomPlot plot;
        FillPlot(plot);
        QTemporaryDir dir;
        const QString missing = dir.filePath("no/such/folder/a.png");
        QVERIFY(app::WritePlotFile(plot, missing, GraphFileFormat::Png).contains("does not exist"));
        QVERIFY(!QFile::exists(missing));
    }

    void saveRefusesAnExtensionTheWindowDoesNotOffer() {
        QCustomPlot plot;
        FillPlot(plot);
        QTemporaryDir dir;
        testing::ScriptedUserInterface ui;
        for (const char* name : {"a.txt", "a.emf", "a"}) {
            QVERIFY(!app::SaveGraphAs(plot, dir.filePath(name), GraphFormats::All, ui, nullptr));
            QVERIFY(!QFile::exists(dir.filePath(name)));
        }
        QVERIFY(
            !app::SaveGraphAs(plot, dir.filePath("b.jpg"), GraphFormats::WithoutJpeg, ui, nullptr));
        QVERIFY(!QFile::exists(dir.filePath("b.jpg")));
        QCOMPARE(ui.errors.size(), std::size_t{4});
        for (const std::string& error : ui.errors) QCOMPARE(error, "File Extension Not Valid!");

        QVERIFY(app::SaveGraphAs(plot, dir.filePath("c.SVG"), GraphFormats::All, ui, nullptr));
        QVERIFY(QFile::exists(dir.filePath("c.SVG")));
    }

    void saveAsJpegAsksForTheQuality() {
        QCustomPlot plot;
        FillPlot(plot);
        QTemporaryDir dir;
        testing::ScriptedUserInterface ui;
        WhenDialogOpens([](QDialog* dialog) { dialog->reject(); });
        QVERIFY(!app::SaveGraphAs(plot, dir.filePath("a.jpg"), GraphFormats::All, ui, nullptr));
        QVERIFY(!QFile::exists(dir.filePath("a.jpg")));
        WhenDialogOpens([](QDialog* dialog) { dialog->accept(); });
        QVERIFY(app::SaveGraphAs(plot, dir.filePath("a.jpg"), GraphFormats::All, ui, nullptr));
        QCOMPARE(FileStart(dir.filePath("a.jpg"), 2), QByteArray("\xff\xd8"));
        QVERIFY(ui.errors.empty());
    }

    void copyPutsAnImageAndSvgOnTheClipboardAndShowsOneNotice() {
        QCustomPlot plot;
        FillPlot(plot);
        app::CopyGraph(plot);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data != nullptr);
        QVERIFY(data->hasImage());
        QVERIFY(data->data("image/svg+xml").startsWith("<?xml"));
        app::TWaitMessageDialog* first = app::CurrentNotice();
        QVERIFY(first != nullptr);
        QCOMPARE(first->Text(), QString("Graph Copied to Clipboard!"));
        QCOMPARE(first->windowTitle(), QString("Notice"));
        // A second copy reuses the notice on screen.
        app::CopyGraph(plot);
        QCOMPARE(app::CurrentNotice(), first);
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) {
                                   return qobject_cast<app::TWaitMessageDialog*>(w) != nullptr;
                               }),
                 1);
    }

    void titlesCancelRestoresAndOkRemembers() {
        QCustomPlot plot;
        FillPlot(plot);
        auto* title = qobject_cast<QCPTextElement*>(plot.plotLayout()->element(0, 0));
        app::PlotTitleTarget target(plot, title, plot.yAxis, plot.xAxis);
        GraphWindowSettings memory;
        const int labelSize = plot.xAxis->tickLabelFont().pointSize();

        {
            app::TForm_ChartTitles dialog(target, memory);
            QCOMPARE(dialog.findChild<QPlainTextEdit*>("Memo1")->toPlainText(), QString("Weights"));
            QCOMPARE(dialog.findChild<QComboBox*>("ComboBox1")->currentText(), QString("12"));
            QVERIFY(dialog.findChild<QLineEdit*>("Edit_Y2")->isHidden());
            dialog.findChild<QComboBox*>("ComboBox1")->setEditText("20");
            dialog.findChild<QComboBox*>("ComboBox5")->setEditText("16");
            dialog.findChild<QLineEdit*>("Edit1")->setText("Grams");
            // Every edit shows at once.
            QCOMPARE(title->font().pointSize(), 20);
            QCOMPARE(plot.yAxis->label(), QString("Grams"));
            // An empty size box changes nothing.
            dialog.findChild<QComboBox*>("ComboBox1")->setEditText("");
            QCOMPARE(title->font().pointSize(), 20);
            QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
        }
        QCOMPARE(title->font().pointSize(), 12);
        QCOMPARE(plot.xAxis->tickLabelFont().pointSize(), labelSize);
        QCOMPARE(plot.yAxis->label(), QString("Weight"));
        QVERIFY(memory.LastLeftTitle.empty());

        {
            app::TForm_ChartTitles dialog(target, memory);
            dialog.findChild<QPlainTextEdit*>("Memo1")->setPlainText("Line 1\nLine 2");
            dialog.findChild<QLineEdit*>("Edit2")->setText("Hour");
            dialog.findChild<QComboBox*>("ComboBox3")->setEditText("14");
            QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        }
        QCOMPARE(title->text(), QString("Line 1\nLine 2"));
        QCOMPARE(plot.xAxis->labelFont().pointSize(), 14);
        QCOMPARE(memory.LastChartTitle, "Line 1\nLine 2");
        QCOMPARE(memory.LastBottomTitle, "Hour");

        target.SetTitles({"Other", "Y", "X", {}});
        app::TForm_ChartTitles dialog(target, memory);
        auto* last = dialog.findChild<QToolButton*>("SpeedButton3");
        QCOMPARE(last->toolTip(), QString("Last Text:\nHour"));
        QTest::mouseClick(last, Qt::LeftButton);
        QCOMPARE(dialog.findChild<QLineEdit*>("Edit2")->text(), QString("Hour"));
        QCOMPARE(plot.xAxis->label(), QString("Hour"));
    }

    void windowServicesToggleBlackWhiteAndNavigate() {
        testing::ScriptedUserInterface ui;
        MemorySettingsStore settings;
        Workspace ws(ui, settings);
        QMainWindow caller;
        caller.setObjectName("Caller");
        QMainWindow window;
        auto* plot = new QCustomPlot(&window);
        window.setCentralWidget(plot);
        FillPlot(*plot);
        auto* blackWhite = new QAction("&Black && White", &window);
        auto* returnButton = new QAction(&window);
        auto* returnItem = new QAction(&window);
        auto* zoomOut = new QAction("&Zoom Out", &window);
        app::GraphActions actions;
        actions.BlackWhiteItem = blackWhite;
        actions.ReturnButton = returnButton;
        actions.ReturnItem = returnItem;
        actions.ZoomOut = zoomOut;
        auto* services = new app::GraphWindowServices(window, *plot, ws, actions);
        int redraws = 0;
        services->Redraw = [&redraws] { ++redraws; };

        services->Open(&caller, "Variables Chart Setup Form");
        QVERIFY(window.isVisible());
        QCOMPARE(returnButton->toolTip(), QString("Return to Variables Chart Setup Form"));
        QCOMPARE(returnItem->text(), QString("&Return to Variables Chart Setup Form"));

        blackWhite->trigger();
        QVERIFY(ws.graphWindows.BlackWhiteMode);
        QVERIFY(blackWhite->isChecked());
        QCOMPARE(redraws, 1);

        // Zoom Out is enabled by a zoom with the mouse and goes back to the drawn ranges.
        services->RememberDrawing();
        QVERIFY(!zoomOut->isEnabled());
        const QCPRange home = plot->xAxis->range();
        const QPoint centre = plot->axisRect()->rect().center();
        QWheelEvent wheel(centre, plot->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(plot, &wheel);
        QTRY_VERIFY(zoomOut->isEnabled());
        QVERIFY(plot->xAxis->range() != home);
        zoomOut->trigger();
        QCOMPARE(plot->xAxis->range(), home);
        QVERIFY(!zoomOut->isEnabled());

        returnItem->trigger();
        QVERIFY(caller.isVisible());
        QCOMPARE(returnButton->toolTip(), QString("Return to Main Form"));
        QCOMPARE(returnItem->text(), QString("&Return to Main Form"));
        QVERIFY(services->Navigation().Caller() == nullptr);
    }

    void formSizeToggleFillsTheWorkAreaAndComesBack() {
        QWidget window;
        window.resize(200, 150);
        window.show();
        QAction button;
        double scale = 1.0;
        const QRect work = window.screen()->availableGeometry();
        app::ToggleFormSize(window, &button, scale);
        QVERIFY(scale > 1.0);
        QVERIFY(window.width() <= work.width() && window.height() <= work.height());
        QVERIFY(window.width() == work.width() || window.height() == work.height());
        QCOMPARE(button.toolTip(), QString("Minimize Form Size"));
        app::ToggleFormSize(window, &button, scale);
        QCOMPARE(scale, 1.0);
        QCOMPARE(window.size(), QSize(200, 150));
        QCOMPARE(button.toolTip(), QString("Maximize Form Size"));
    }
};

}  // namespace vostrel

QTEST_MAIN(vostrel::GraphServicesTest)
#include "graph_services_test.moc"
