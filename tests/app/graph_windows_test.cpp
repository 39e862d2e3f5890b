// Drives the graph windows offscreen after an Action on the example data: the performance
// charts' pages, the box plots, the histogram and the frequency table, their controls,
// black and white, and a data change that clears them. Each window is also saved as a
// PNG under $VOSTREL_GRAPH_PICTURES when that is set, to be looked at.

#include <qcustomplot.h>
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

#include "app/graphs/frequency_plot_form.h"
#include "app/graphs/graph_windows.h"
#include "app/graphs/hist_form.h"
#include "app/graphs/plot_form.h"
#include "app/graphs/ppa_chart_form.h"
#include "app/program_windows.h"
#include "app/main_window/performance_form.h"
#include "app/common/window_directory.h"
#include "engine/analysis/analysis_driver.h"
#include "engine/analysis/config_file.h"
#include "engine/workspace.h"
#include "support/modal.h"
#include "support/scripted_ui.h"

namespace vostrel::app {

class GraphWindowsTest : public QObject {
    Q_OBJECT

    struct Fixture {
        testing::ScriptedUserInterface ui;
        MemorySettingsStore settings;
        Workspace ws{ui, settings};
        WindowDirectory windows;

        Fixture() {
            RegisterGraphWindows(ws, windows);
            if (!LoadConfig(ws, VOSTREL_EXAMPLES_DIR "/fill_weights.vos")) qFatal("no example");
        }
        template <class Form>
        Form* Open(ProgramWindow window) {
            return qobject_cast<Form*>(windows.Open(window, nullptr));
        }
    };

    static void Picture(QWidget& window, const QString& name) {
        const QByteArray dir = qgetenv("VOSTREL_GRAPH_PICTURES");
        if (dir.isEmpty()) return;
        window.resize(900, 600);
        QCoreApplication::processEvents();
        window.grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
    }

    static QCPBars* Bars(QCustomPlot& plot, const QString& name) {
        for (int i = 0; i < plot.plottableCount(); ++i)
            if (auto* bars = qobject_cast<QCPBars*>(plot.plottable(i));
                bars && bars->name() == name)
                return bars;
        return nullptr;
    }
    template <class T>
    static T* Named(QCustomPlot& plot, const QString& name) {
        for (int i = 0; i < plot.plottableCount(); ++i)
            if (plot.plottable(i)->objectName() == name) return qobject_cast<T*>(plot.plottable(i));
        return nullptr;
    }

    static QWidget* TopLevel(const QString& name) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == name) return window;
        return nullptr;
    }

  private slots:
    // The main window's commands open the four windows after an Action on the example; each
    // shows what the analysis handed over and returns to the main window.
    void theMainWindowsCommandsOpenTheGraphWindows() {
        testing::ScriptedUserInterface ui;
        MemorySettingsStore settings;
        Workspace ws{ui, settings};
        WindowDirectory windows;
        TPerformanceForm main{ws, windows};
        RegisterProgramWindows(ws, windows);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QVERIFY(main.OpenFile(VOSTREL_EXAMPLES_DIR "/fill_weights.vos"));
        main.CalcButtonClick();

        const struct {
            const char* command;
            const char* window;
        } commands[] = {
            {"Performance1", "TPPAChartForm"},
            {"Plots1", "TPlot_Form"},
            {"Histogram1", "THistForm"},
            {"FrequecyPlot1", "TFrequencyPlotForm"},
        };
        for (const auto& c : commands) {
            QAction* command = main.findChild<QAction*>(c.command);
            QVERIFY2(command != nullptr && command->isEnabled(), c.command);
            command->trigger();
            QWidget* window = TopLevel(c.window);
            QVERIFY2(window != nullptr && window->isVisible(), c.window);
            QVERIFY(QTest::qWaitForWindowActive(window));
            // Return goes back to the main window.
            QAction* back = window->findChild<QAction*>("ToolButton_Return");
            QCOMPARE(back->toolTip(), QString("Return to Main Form"));
            back->trigger();
            QTRY_VERIFY(main.isActiveWindow());
        }

        auto* ppa = qobject_cast<TPPAChartForm*>(TopLevel("TPPAChartForm"));
        QCOMPARE(Bars(ppa->Chart(PPAPage::IndexBars), "Ppm")->data()->at(0)->value,
                 ws.analysis.Results.Ppm);
        auto* box = qobject_cast<TPlot_Form*>(TopLevel("TPlot_Form"));
        QCOMPARE(Named<QCPFinancial>(box->Chart(), "Series_Box")->data()->size(), 6);
        auto* histogram = qobject_cast<THistForm*>(TopLevel("THistForm"));
        QVERIFY(!Named<QCPBars>(histogram->Chart(), "Series1")->data()->isEmpty());
        auto* frequency = qobject_cast<TFrequencyPlotForm*>(TopLevel("TFrequencyPlotForm"));
        QCOMPARE(frequency->Grid().model()->columnCount(), 6);
        QCOMPARE(frequency->Table().Cell(0, 0), std::string("MidPoint"));
        for (QWidget* window : {static_cast<QWidget*>(ppa), static_cast<QWidget*>(box),
                                static_cast<QWidget*>(histogram), static_cast<QWidget*>(frequency)})
            window->hide();
    }

    void performanceChartsShowWhatTheActionHandedOver() {
        Fixture f;
        QVERIFY(f.Open<TPPAChartForm>(ProgramWindow::PerformanceCharts) ==
                nullptr);  // no Action yet
        QCOMPARE(RunPerformanceAnalysis(f.ws), ActionResult::Completed);
        auto* form = f.Open<TPPAChartForm>(ProgramWindow::PerformanceCharts);
        QVERIFY(form != nullptr);
        QCOMPARE(form->windowTitle(), QString("Process Performance Analysis"));
        QVERIFY(form->findChild<QCheckBox*>("PPAChartClearCheckBox")->isChecked());

        QCustomPlot& bars = form->Chart(PPAPage::IndexBars);
        QCPBars* first = Bars(bars, "Ppm");
        QVERIFY(first != nullptr);
        QCOMPARE(first->data()->size(), 1);
        QCOMPARE(first->data()->at(0)->value, f.ws.analysis.Results.Ppm);
        QCOMPARE(first->brush().color(), QColor(255, 0, 0));
        QCOMPARE(Bars(bars, "Pp")->brush().color(), QColor(0, 255, 0));

        // The variance bars are shares of each bar's total.
        QCustomPlot& variance = form->Chart(PPAPage::VarianceBars);
        double total = 0;
        for (int i = 0; i < variance.plottableCount(); ++i)
            total += qobject_cast<QCPBars*>(variance.plottable(i))->data()->at(0)->value;
        QVERIFY(std::abs(total - 100) < 1e-9);

        form->findChild<QAction*>("ToolButton_BW")->trigger();
        QVERIFY(form->BlackWhite());
        QCOMPARE(Bars(form->Chart(PPAPage::IndexBars), "Ppm")->brush().color(), QColor(Qt::black));
        QCOMPARE(Bars(form->Chart(PPAPage::IndexBars), "Pp")->brush().color(), QColor(Qt::white));
        Picture(*form, "ppa_bars_bw");
        form->findChild<QAction*>("BlackWhite1")->trigger();
        QVERIFY(!form->BlackWhite());
        Picture(*form, "ppa_bars");
        for (int page = 1; page < 4; ++page) {
            form->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(page);
            Picture(*form, QString("ppa_page%1").arg(page));
        }

        // A second Action with clearing off adds bars labelled (2).
        form->findChild<QCheckBox*>("PPAChartClearCheckBox")->setChecked(false);
        QCOMPARE(RunPerformanceAnalysis(f.ws), ActionResult::Completed);
        QCOMPARE(Bars(form->Chart(PPAPage::IndexBars), "Ppm")->data()->size(), 2);
        QCOMPARE(form->Charts().IndexBars.Bars[1].Label, std::string("W1, W2, W3, W4, W5(2)"));
    }

    void boxPlotsByHeadWithOutliers() {
        Fixture f;
        QVERIFY(PrepareGraphRun(f.ws, true));
        auto* form = f.Open<TPlot_Form>(ProgramWindow::BoxPlots);
        QVERIFY(form != nullptr);
        auto* kinds = form->findChild<QListWidget*>("ListBox_Selection");
        QCOMPARE(kinds->count(), 2);
        QCOMPARE(kinds->item(0)->text(), QString("B & W (outliers)"));
        QCOMPARE(kinds->currentRow(), 0);

        QCustomPlot& plot = form->Chart();
        auto* box = Named<QCPFinancial>(plot, "Series_Box");
        QVERIFY(box != nullptr);
        QCOMPARE(box->data()->size(), 6);  // six heads
        const BoxGroup& head1 = form->Plot().Groups[0];
        QCOMPARE(box->data()->at(0)->open, head1.Q1);
        QCOMPARE(box->data()->at(0)->close, head1.Q3);
        QCOMPARE(box->data()->at(0)->low, head1.LowWhisker);
        QVERIFY(Named<QCPGraph>(plot, "Series_MO")->data()->size() > 0);
        QCOMPARE(Named<QCPGraph>(plot, "Series_USL")->pen().color(), QColor(255, 0, 0));
        QCOMPARE(Named<QCPGraph>(plot, "Series_Target")->pen().color(), QColor(0, 255, 0));
        QCOMPARE(box->brushPositive().color(), QColor(255, 128, 128));
        Picture(*form, "box_plots");

        form->findChild<QAction*>("ToolButton_BW")->trigger();
        box = Named<QCPFinancial>(form->Chart(), "Series_Box");
        QCOMPARE(box->brushPositive().color(), QColor(192, 192, 192));
        QCOMPARE(Named<QCPGraph>(form->Chart(), "Series_USL")->pen().color(), QColor(Qt::black));

        // The plain plot runs from minimum to maximum.
        kinds->setCurrentRow(1);
        emit kinds->itemClicked(kinds->item(1));
        box = Named<QCPFinancial>(form->Chart(), "Series_Box");
        QCOMPARE(box->data()->at(0)->low, form->Plot().Groups[0].Low);
        QVERIFY(Named<QCPGraph>(form->Chart(), "Series_MO")->data()->isEmpty());

        // Without specifications no strokes are drawn.
        form->findChild<QAction*>("DisplaySpecifications1")->trigger();
        QVERIFY(Named<QCPGraph>(form->Chart(), "Series_USL") == nullptr);

        // A data change clears the chart at the next activation.
        ++f.ws.table.DataGeneration;
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(form, &activate);
        QCOMPARE(kinds->count(), 0);
        QVERIFY(Named<QCPFinancial>(form->Chart(), "Series_Box") == nullptr);
    }

    void histogramWithNormalCurveAndLimits() {
        Fixture f;
        QVERIFY(PrepareGraphRun(f.ws, true));
        auto* form = f.Open<THistForm>(ProgramWindow::Histogram);
        QVERIFY(form != nullptr);
        auto* groups = form->findChild<QListWidget*>("ListBox_Selection");
        QCOMPARE(groups->item(0)->text(), QString("(All)"));
        QCOMPARE(groups->count(), 7);
        QCustomPlot& plot = form->Chart();
        auto* bars = Named<QCPBars>(plot, "Series1");
        QVERIFY(bars != nullptr);
        QCOMPARE(bars->brush().color(), QColor(0, 255, 0));
        QCOMPARE(bars->data()->size(), static_cast<int>(form->Result().Bars.size()));
        QVERIFY(form->findChild<QLabel*>("Label_ISize")->text().startsWith("Size Used: ("));

        form->findChild<QCheckBox*>("CheckBox_NormCurve")->click();
        auto* curve = Named<QCPGraph>(form->Chart(), "Series4");
        QVERIFY(curve != nullptr);
        QCOMPARE(curve->pen().color(), QColor(255, 0, 0));
        form->findChild<QAction*>("DisplayProcessLimits")->trigger();
        QCOMPARE(form->Result().Lines.size(), std::size_t(6));  // LSL, USL, Target, Mean, LPL, UPL
        Picture(*form, "histogram");

        // One head as a frequency polygon, relative.
        groups->setCurrentRow(2);
        emit groups->itemClicked(groups->item(2));
        form->findChild<QRadioButton*>("RadioButton_Polygons")->click();
        form->findChild<QAction*>("Relative1")->trigger();
        QVERIFY(Named<QCPGraph>(form->Chart(), "Series5") != nullptr);
        QCOMPARE(form->Result().n, 250);
        QCOMPARE(form->Result().Titles.back(), std::string("Frequency Polygon: Head (2)"));

        form->findChild<QAction*>("BlackWhite1")->trigger();
        QCOMPARE(Named<QCPGraph>(form->Chart(), "Series5")->pen().color(), QColor(Qt::black));
        Picture(*form, "histogram_polygon_bw");

        // A typed size that would make too many intervals is refused with a message.
        form->findChild<QCheckBox*>("CheckBox_IS")->click();
        auto* size = form->findChild<QLineEdit*>("Edit_IntervalSize");
        QVERIFY(size->isVisible());
        size->setFocus();
        size->selectAll();
        QTest::keyClicks(size, "0.00001");
        QTest::keyClick(size, Qt::Key_Return);
        QVERIFY(!f.ui.errors.empty());
        QVERIFY(QString::fromStdString(f.ui.errors.back()).startsWith("Too many intervals"));
        QTest::keyClicks(size, "x-");  // not keys of an unsigned number
        QCOMPARE(size->text(), QString("0.00001"));
    }

    void frequencyTableOfTheHeads() {
        Fixture f;
        QVERIFY(PrepareGraphRun(f.ws, false));
        auto* form = f.Open<TFrequencyPlotForm>(ProgramWindow::FrequencyPlots);
        QVERIFY(form != nullptr);
        QTableView& grid = form->Grid();
        QCOMPARE(grid.model()->columnCount(), 6);
        QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QString("1"));
        QCOMPARE(grid.model()->headerData(0, Qt::Vertical).toString(), QString("495.0"));
        QVERIFY(!form->findChild<QSpinBox*>("DecimalSpinEdit")->isVisible());
        Picture(*form, "frequency_plots");

        form->findChild<QRadioButton*>("RadioButton_Cumulative")->click();
        QVERIFY(form->findChild<QSpinBox*>("DecimalSpinEdit")->isVisible());
        // The last filled cell of a cumulative column holds the whole group.
        int last = grid.model()->rowCount() - 1;
        while (last > 0 && grid.model()->data(grid.model()->index(last, 0)).toString().isEmpty())
            --last;
        QCOMPARE(grid.model()->data(grid.model()->index(last, 0)).toString(), QString("1.0000"));
        form->findChild<QSpinBox*>("DecimalSpinEdit")->setValue(2);
        QCOMPARE(grid.model()->data(grid.model()->index(last, 0)).toString(), QString("1.00"));
        QCOMPARE(f.ws.analysis.Decimals, 2);

        grid.selectionModel()->select(grid.model()->index(last, 0),
                                      QItemSelectionModel::ClearAndSelect);
        form->findChild<QAction*>("Copy1")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("1.00\r\n"));

        // Print asks for the printer first; cancelling prints nothing.
        bool asked = false;
        testing::WhenModalShows<QPrintDialog>([&asked](QPrintDialog* dialog) {
            asked = true;
            dialog->reject();
        });
        form->findChild<QAction*>("ToolButton_Print")->trigger();
        QVERIFY(asked);

        // Hide Form; the corner of the table names the midpoint column.
        form->findChild<QAction*>("ToolButton7")->trigger();
        QVERIFY(!form->isVisible());
        auto* corner = grid.findChild<QAbstractButton*>();
        QVERIFY(corner != nullptr);
        QVERIFY(grid.verticalHeader()->minimumWidth() >
                grid.fontMetrics().horizontalAdvance("MidPoint"));
    }
};

}  // namespace vostrel::app

QTEST_MAIN(vostrel::app::GraphWindowsTest)
#include "graph_windows_test.moc"
