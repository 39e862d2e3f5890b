// The control chart windows driven offscreen: a chart defined in the setup window by its
// controls, Action, the chart window's series against the engine's arrays, the chart list,
// the View menu, point texts, colours, the information window and the tests dialog.

#include <qcustomplot.h>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <cmath>

#include "app/charts/chart_info_window.h"
#include "app/charts/chart_window.h"
#include "app/charts/control_tests_window.h"
#include "app/charts/plot/chart_tickers.h"
#include "app/charts/plot/position_series.h"
#include "app/charts/plot/set_separators.h"
#include "app/charts/point_grid_model.h"
#include "app/charts/setup_window.h"
#include "app/common/graph_services/graph_image.h"
#include "app/program_windows.h"
#include "app/main_window/performance_form.h"
#include "app/common/window_directory.h"
#include "engine/control_charts/chart_enumeration.h"
#include "engine/control_charts/control_tests.h"
#include "engine/data/data_file.h"
#include "engine/report/number_format.h"
#include "engine/report/report_export.h"
#include "engine/workspace.h"
#include "support/scripted_ui.h"
#include "support/table_builder.h"

namespace vostrel {

namespace {

using Row = ChartArrayType::Row;
const char* const Example = VOSTREL_EXAMPLES_DIR "/fill_weights.dat";

// A workspace with the example loaded, and the setup window over it.
struct ChartFixture {
    testing::ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
    std::unique_ptr<app::TForm_VARsetup> setup;

    explicit ChartFixture(bool example = true) {
        if (example) FileToDataGrid(ws, Example);
        setup = std::make_unique<app::TForm_VARsetup>(ws);
        setup->Open(nullptr, "Main Form");
    }

    template <class T>
    T* Find(const char* name) const {
        T* widget = setup->findChild<T*>(name);
        if (widget == nullptr) qFatal("no control %s", name);
        return widget;
    }

    // Selects the named items of a list and presses the button.
    void Move(const char* list, const QStringList& names, const char* button) {
        auto* widget = Find<QListWidget>(list);
        widget->clearSelection();
        for (int i = 0; i < widget->count(); ++i) {
            if (names.contains(widget->item(i)->text())) widget->item(i)->setSelected(true);
        }
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
    }

    void Choose(const char* combo, const QString& text) {
        auto* box = Find<QComboBox>(combo);
        const int index = box->findText(text);
        QVERIFY2(index >= 0, qPrintable(QStringLiteral("no item ") + text));
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    app::TVARchart_Form* Action() {
        auto* action = Find<QPushButton>("CalcButton");
        if (!action->isEnabled()) return nullptr;
        QTest::mouseClick(action, Qt::LeftButton);
        return setup->ChartWindow();
    }

    // The example's five jars as subgroups in rows, one chart per filling head.
    app::TVARchart_Form* JarsByHead() {
        Move("DataVarList", {"W1", "W2", "W3", "W4", "W5"}, "IncludeBtnMeasure");
        Find<QRadioButton>("RadioButton_Rows")->setChecked(true);
        Move("DataVarList", {"Head"}, "IncludeBtnChart");
        return Action();
    }
};

QAction* ActionOf(QWidget* window, const char* name) {
    auto* action = window->findChild<QAction*>(name);
    if (action == nullptr) qFatal("no action %s", name);
    return action;
}

// The series of the window by title (the first with that title on the chart asked for).
const app::PositionSeries* SeriesNamed(const app::TVARchart_Form& window, const QString& title,
                                       bool upper = true) {
    for (const auto& series : window.View().AllSeries) {
        if (series.Title == title && series.Upper == upper) return series.Plottable.data();
    }
    return nullptr;
}

// Whether a drawn value is the engine's value at a point (NaN for a missing one).
bool Matches(double drawn, double stored) {
    if (stored == MissingValue) return std::isnan(drawn);
    return drawn == stored;
}

int CountPixels(const QImage& image, const std::function<bool(QColor)>& test) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixelColor(x, y))) ++count;
        }
    }
    return count;
}

bool Colourful(QColor c) {
    return std::abs(c.red() - c.green()) > 40 || std::abs(c.green() - c.blue()) > 40 ||
           std::abs(c.red() - c.blue()) > 40;
}

}  // namespace

class ChartWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void mainWindowOpensTheSetupAndActionTheChart() {
        testing::ScriptedUserInterface ui;
        MemorySettingsStore settings;
        Workspace ws(ui, settings);
        app::WindowDirectory windows;
        app::TPerformanceForm form(ws, windows);
        app::RegisterProgramWindows(ws, windows);
        form.OpenFile(QStringLiteral(VOSTREL_EXAMPLES_DIR "/fill_weights.vos"));
        QAction* command = ActionOf(&form, "XCharts1");
        QVERIFY(command->isEnabled());
        command->trigger();
        app::TForm_VARsetup* setup = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<app::TForm_VARsetup*>(window)) setup = found;
        }
        QVERIFY(setup != nullptr && setup->isVisible());
        QVERIFY(setup->windowTitle().startsWith("Variables Chart Setup - fill_weights"));
        QCOMPARE(ActionOf(setup, "Return1")->text(), QString("&Return to Main Form"));
        // Main Form is in the File menu as well as on the tool bar, so the keyboard reaches it.
        QVERIFY(
            setup->findChild<QMenu*>("File1")->actions().contains(ActionOf(setup, "MainForm1")));
        auto* data = setup->findChild<QListWidget*>("DataVarList");
        data->item(data->count() - 1)->setSelected(true);
        setup->findChild<QPushButton*>("IncludeBtnMeasure")->click();
        setup->findChild<QPushButton*>("CalcButton")->click();
        QVERIFY(setup->ChartWindow() != nullptr && setup->ChartWindow()->isVisible());
        QVERIFY(setup->ChartWindow()->windowTitle().startsWith("Variables Chart - "));
        delete setup;
    }

    void mouseOverNamesTheSeriesAndPoint() {
        ChartFixture f;
        f.Move("DataVarList", {"W1"}, "IncludeBtnMeasure");
        app::TVARchart_Form* window = f.Action();
        QVERIFY(window != nullptr);
        window->resize(900, 600);
        window->Chart()->replot();
        const app::PositionSeries* x = SeriesNamed(*window, "Location Statistic");
        const QPointF at(x->keyAxis()->coordToPixel(4),
                         x->valueAxis()->coordToPixel(x->ValueAt(4)));
        QMouseEvent move(QEvent::MouseMove, at, window->Chart()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window->Chart(), &move);
        QCOMPARE(window->findChild<QLabel*>("Label1")->text(), QString("Location Statistic"));
        QCOMPARE(window->findChild<QLabel*>("Label2")->text(),
                 "X=5  Y=" + QString::fromStdString(
                                 FormatGeneral(f.ws.report.numberLocale, x->ValueAt(4))));
        // Off every point: both labels empty.
        const QPointF corner(2, 2);
        QMouseEvent away(QEvent::MouseMove, corner, window->Chart()->mapToGlobal(corner),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window->Chart(), &away);
        QVERIFY(window->findChild<QLabel*>("Label1")->text().isEmpty());
    }

    void setupControlsFollowTheModel() {
        ChartFixture f;
        // Nothing chosen: no Action.
        QVERIFY(!f.Find<QPushButton>("CalcButton")->isEnabled());
        f.Move("DataVarList", {"W1"}, "IncludeBtnMeasure");
        QVERIFY(f.Find<QPushButton>("CalcButton")->isEnabled());
        QCOMPARE(f.Find<QComboBox>("ComboBox_LocChartType")->currentText(), QString("X"));
        QCOMPARE(f.Find<QComboBox>("ComboBox_DispChartType")->currentText(),
                 QString("Moving Range"));
        // One measure: no layout choice; a constant sample size switches to subgroups.
        QVERIFY(f.Find<QWidget>("RadioGroup_Layout")->isHidden());
        f.Find<QCheckBox>("CheckBox_Sample")->setChecked(true);
        QCOMPARE(f.Find<QComboBox>("ComboBox_LocChartType")->currentText(), QString("Mean"));
        QCOMPARE(f.Find<QComboBox>("ComboBox_DispChartType")->currentText(), QString("Range"));
        QVERIFY(!f.Find<QWidget>("SpinEdit_SampleSize")->isHidden());
        QVERIFY(f.Find<QWidget>("Edit_Sample")->isHidden());
        // Median makes "Median Range" the default of both calculations.
        f.Choose("ComboBox_LocChartType", "Median");
        QCOMPARE(f.Find<QComboBox>("ComboBox_LocLimitCalc")->currentText(),
                 QString("Median Range"));
        QCOMPARE(f.Find<QComboBox>("ComboBox_DispCalc")->currentText(), QString("Median Range"));
        // User defined limits show their boxes; a bad entry is refused at Action.
        f.Choose("ComboBox_LocLimitCalc", "User Defined");
        QVERIFY(!f.Find<QWidget>("Edit_UCL")->isHidden());
        f.Find<QLineEdit>("Edit_CL")->setText("10");
        f.Find<QLineEdit>("Edit_LCL")->setText("12");
        QVERIFY(f.Action() == nullptr);
        QCOMPARE(f.ui.errors.back(), std::string("User Defined Location Limits Not Valid!"));
        // Unchecking LCL hides its edit and makes the limits valid.
        f.Find<QCheckBox>("CheckBox_LCL")->setChecked(false);
        QVERIFY(f.Find<QWidget>("Edit_LCL")->isHidden());
        f.Find<QLineEdit>("Edit_UCL")->setText("520");
        QVERIFY(f.Action() != nullptr);
        QCOMPARE(f.ws.chart.Definition.UserLocLCL, MissingValue);
        QCOMPARE(f.ws.chart.Definition.UserLocUCL, 520.0);
        // The key filter keeps letters out of a number field.
        auto* sigma = f.Find<QLineEdit>("Edit_StdErr");
        sigma->setFocus();
        sigma->setText("3");
        sigma->end(false);
        QTest::keyClick(sigma, 'x');
        QCOMPARE(sigma->text(), QString("3"));
    }

    void actionDrawsTheEngineChart() {
        ChartFixture f;
        app::TVARchart_Form* window = f.JarsByHead();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(f.ws.chart.Definition.LayoutType, 9);
        const ChartState& chart = f.ws.chart;
        QCOMPARE(chart.ChartNames.size(), std::size_t{6});
        QCOMPARE(window->findChild<QListWidget*>("ListBox_Selection")->count(), 6);
        QVERIFY(
            window->findChild<QAction*>("Return1")->text().endsWith("Variables Chart Setup Form"));

        const app::PositionSeries* mean = SeriesNamed(*window, "Location Statistic");
        const app::PositionSeries* ucl = SeriesNamed(*window, "Location UCL");
        const app::PositionSeries* range = SeriesNamed(*window, "Dispersion Statistic", false);
        const app::PositionSeries* rangeUcl = SeriesNamed(*window, "Dispersion UCL", false);
        QVERIFY(mean && ucl && range && rangeUcl);
        QCOMPARE(static_cast<int>(mean->Values().size()), chart.PointCount);
        for (int p = 1; p <= chart.PointCount; ++p) {
            QVERIFY(Matches(mean->ValueAt(p - 1), chart.Points(Row::LocStat, p)));
            QVERIFY(Matches(ucl->ValueAt(p - 1), chart.Points(Row::LocUCL, p)));
            QVERIFY(Matches(range->ValueAt(p - 1), chart.Points(Row::DispStat, p)));
            QVERIFY(Matches(rangeUcl->ValueAt(p - 1), chart.Points(Row::DispUCL, p)));
        }
        QVERIFY(window->View().Title->text().contains("Mean and Range Chart: "));
        QVERIFY(window->View().Title->text().contains("(1)"));
    }

    void theChartListWalksEveryChart() {
        ChartFixture f;
        app::TVARchart_Form* window = f.JarsByHead();
        QVERIFY(window != nullptr);
        auto* list = window->findChild<QListWidget*>("ListBox_Selection");
        for (int i = 0; i < list->count(); ++i) {
            list->setCurrentRow(i);
            QCOMPARE(QString::fromStdString(f.ws.chart.RunInfo.CurrentName), list->item(i)->text());
            QVERIFY(window->View().Title->text().endsWith(
                "(" + QString::fromStdString(ChartRunName(f.ws, f.ws.chart.CurrentRun)) + ")"));
        }
        // The keyboard walks it too.
        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(QString::fromStdString(f.ws.chart.RunInfo.CurrentName), list->item(1)->text());
    }

    void codesSetsAndBreaks() {
        ChartFixture f(false);
        testing::FillTable(f.ws, {"X", "Set", "Lab"},
                           {{"10", "1", "a"},
                            {"11", "1", "b"},
                            {"", "1", "c"},
                            {"10", "1", "d"},
                            {"11", "1", "e"},
                            {"10", "2", "f"},
                            {"11", "2", "g"},
                            {"10", "2", "h"},
                            {"11", "2", "i"},
                            {"10", "2", "j"},
                            {"60", "2", "k"}});
        f.setup->ResetChartSetup();
        f.Move("DataVarList", {"X"}, "IncludeBtnMeasure");
        f.Move("DataVarList", {"Set"}, "SpeedButton_sets");
        f.Choose("ComboBox_AL", "Lab");
        app::TVARchart_Form* window = f.Action();
        QVERIFY(window != nullptr);

        // Breaks shown from the View menu: an empty position after b.
        ActionOf(window, "ShowBreaks")->trigger();
        QCOMPARE(window->Picture().PositionCount, 11);
        const app::PositionSeries* x = SeriesNamed(*window, "Location Statistic");
        QVERIFY(std::isnan(x->ValueAt(2)));
        QCOMPARE(x->ValueAt(3), 10.0);
        for (const auto& series : window->View().AllSeries)
            QVERIFY(std::isnan(series.Plottable->ValueAt(2)));

        // The set separators: one label at the left edge, one line between the sets.
        app::SetSeparators* separators = nullptr;
        for (int i = 0; i < window->Chart()->itemCount(); ++i) {
            if (auto* s = qobject_cast<app::SetSeparators*>(window->Chart()->item(i)))
                separators = s;
        }
        QVERIFY(separators != nullptr);
        QCOMPARE(separators->Marks().size(), std::size_t{2});
        QCOMPARE(separators->Marks()[1].Label, QString(" Set=2 "));
        QCOMPARE(separators->Marks()[1].X, 4.5);

        // Codes on the top axis: the outlier of the second set carries "O".
        ActionOf(window, "DisplayCodes")->trigger();
        QCPAxis* codes = window->View().CodeAxis;
        QVERIFY(codes != nullptr);
        QVector<double> ticks;
        QVector<QString> labels;
        codes->ticker()->generate(codes->range(), QLocale::c(), 'g', 6, ticks, nullptr, &labels);
        const std::string loc = CodesOfPoint(f.ws.chart.Codes, LocationChart, 10);
        const std::string disp = CodesOfPoint(f.ws.chart.Codes, DispersionChart, 10);
        QVERIFY(loc.find('O') != std::string::npos);
        const QString expected = QString::fromStdString(disp + (disp.empty() ? "" : " | ") + loc);
        QVERIFY2(labels.contains(expected), qPrintable(labels.join(",")));
        QVERIFY(ticks.contains(10.0));  // point 10 after the gap
    }

    void viewMenuSliderAndPointTexts() {
        ChartFixture f;
        f.Move("DataVarList", {"W1"}, "IncludeBtnMeasure");
        app::TVARchart_Form* window = f.Action();
        QVERIFY(window != nullptr);
        auto* view = window->findChild<QMenu*>("View1");
        emit view->aboutToShow();
        // An X chart: no "Show All Points"; sigma lines and specifications offered.
        QVERIFY(!ActionOf(window, "ShowAllPoints")->isEnabled());
        QVERIFY(ActionOf(window, "ShowSigmaLines")->isEnabled());
        QVERIFY(!ActionOf(window, "ClearPointText")->isEnabled());
        ActionOf(window, "DisplayViolations")->trigger();  // off
        emit view->aboutToShow();
        QVERIFY(!ActionOf(window, "DisplayCodes")->isEnabled());

        // The slider at the top end leaves the location chart alone.
        auto* slider = window->findChild<QSlider*>("TrackBar1");
        slider->setValue(90);
        QVERIFY(window->View().Lower.isNull());
        QCOMPARE(slider->toolTip(), QString("Location/Dispersion Chart Sizing (100%/0%)"));
        slider->setValue(10);
        QCOMPARE(window->Picture().Upper.Kind, ChartKind::Dispersion);
        slider->setValue(60);
        QVERIFY(!window->View().Lower.isNull());

        // A text for point 3.
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->windowTitle(), QString("Enter Text for Point"));
            dialog->findChild<QLineEdit*>("Edit1")->setText("new nozzle");
            dialog->accept();
        });
        window->EditPointText(true, 2, QPoint(100, 100));
        QCOMPARE(window->Picture().Upper.PointTexts.size(), std::size_t{1});
        QCOMPARE(window->Picture().Upper.PointTexts[0].second, std::string("new nozzle"));
        emit view->aboutToShow();
        QVERIFY(ActionOf(window, "ClearPointText")->isEnabled());
        ActionOf(window, "ClearPointText")->trigger();
        QVERIFY(window->Picture().Upper.PointTexts.empty());

        // Axis decimals 0.
        ActionOf(window, "AxisDecimals0")->trigger();
        QCOMPARE(window->findChild<QMenu*>("AxisDecimalPlaces")->title(),
                 QString("Axis Decimal &Places (0)"));
        QVector<double> ticks;
        QVector<QString> labels;
        QCPAxis* left = window->View().LeftAxis;
        left->ticker()->generate(left->range(), QLocale::c(), 'g', 6, ticks, nullptr, &labels);
        for (const QString& label : labels) QVERIFY2(!label.contains('.'), qPrintable(label));
    }

    void coloursInColourAndBlackAndWhite() {
        ChartFixture f;
        f.Move("DataVarList", {"W1", "W2", "W3", "W4", "W5"}, "IncludeBtnMeasure");
        f.Find<QRadioButton>("RadioButton_Rows")->setChecked(true);
        app::TVARchart_Form* window = f.Action();
        QVERIFY(window != nullptr);
        ActionOf(window, "DisplayZones")->trigger();
        const QImage colour = app::PlotToImage(*window->Chart(), QSize(900, 600));
        if (qEnvironmentVariableIsSet("VOSTREL_SCREENSHOT_DIR")) {
            colour.save(qEnvironmentVariable("VOSTREL_SCREENSHOT_DIR") + "/chart_colour.png");
        }
        // Red limits, green centerlines and zones, blue points.
        QVERIFY(CountPixels(colour, [](QColor c) { return c == QColor(255, 0, 0); }) > 100);
        QVERIFY(CountPixels(colour, [](QColor c) { return c == QColor(0, 128, 0); }) > 100);
        QVERIFY(CountPixels(colour, [](QColor c) { return c == QColor(0, 0, 255); }) > 50);
        QVERIFY(CountPixels(colour, [](QColor c) { return c == QColor(128, 255, 128); }) > 1000);
        QVERIFY(CountPixels(colour, [](QColor c) { return c == QColor(255, 255, 0); }) > 1000);

        ActionOf(window, "ColorBW1")->trigger();
        QVERIFY(f.ws.graphWindows.BlackWhiteMode);
        const QImage mono = app::PlotToImage(*window->Chart(), QSize(900, 600));
        if (qEnvironmentVariableIsSet("VOSTREL_SCREENSHOT_DIR")) {
            mono.save(qEnvironmentVariable("VOSTREL_SCREENSHOT_DIR") + "/chart_bw.png");
        }
        QCOMPARE(CountPixels(mono, Colourful), 0);
        // The middle zone in silver.
        QVERIFY(CountPixels(mono, [](QColor c) { return c == QColor(192, 192, 192); }) > 1000);
    }

    void dataChangesNeverLeaveAStaleChart() {
        ChartFixture f;
        f.Move("DataVarList", {"W1"}, "IncludeBtnMeasure");
        app::TVARchart_Form* window = f.Action();
        QVERIFY(window != nullptr);
        const int drawn = window->DisplayCount();
        // New values: the chart is computed again when the window is activated.
        f.ws.table.DataGrid.SetCell(4, 1, "600");
        ++f.ws.table.DataGeneration;
        f.ws.table.DataEdited = true;
        f.ws.data.DataChanged = true;
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window, &activate);
        QCOMPARE(window->DisplayCount(), drawn + 1);
        QCOMPARE(SeriesNamed(*window, "Location Statistic")->ValueAt(0), 600.0);

        // Another column: the chart window closes and the setup starts again.
        QPointer<app::TVARchart_Form> guard(window);
        f.ws.table.SetMaxCol(9);
        ++f.ws.table.LayoutGeneration;
        QApplication::sendEvent(window, &activate);
        QTRY_VERIFY(guard.isNull() || !guard->isVisible());
        QApplication::sendEvent(f.setup.get(), &activate);
        QTRY_VERIFY(guard.isNull());
        QVERIFY(f.ws.chart.ChartNames.empty() || f.setup->ChartWindow() == nullptr);
        QCOMPARE(f.Find<QListWidget>("DataVarList")->count(), 9);
    }

    void informationWindowMatchesTheCommandLine() {
        ChartFixture f;
        app::TVARchart_Form* window = f.JarsByHead();
        QVERIFY(window != nullptr);
        window->findChild<QListWidget*>("ListBox_Selection")->setCurrentRow(2);
        window->findChild<QPushButton*>("Button_ChartInfo")->click();
        auto* info = window->findChild<app::TForm_CChart_Info*>();
        QVERIFY(info != nullptr && info->isVisible());
        QCOMPARE(info->windowTitle(), QString("Variables Control Chart Analysis"));

        QProcess cli;
        cli.start(VOSTREL_CLI,
                  {"chart", Example, "--measures", "W1,W2,W3,W4,W5", "--rows", "--groups", "Head"});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        const QString out = QString::fromUtf8(cli.readAllStandardOutput());
        // The third chart's report: from its name line to its point grid.
        const QString name = "Chart: " + QString::fromStdString(f.ws.chart.ChartNames[2]);
        const int start = out.indexOf(name);
        QVERIFY(start >= 0);
        const int body = out.indexOf('\n', start) + 2;
        const int grid = out.indexOf("\nPoint\t", body);
        const QString expected = out.mid(body, grid - body).trimmed();
        QCOMPARE(info->ReportText().trimmed(), expected);

        // The grid: one row per point, the statistic columns shaded.
        auto* model = info->GridModel();
        QCOMPARE(model->rowCount(), f.ws.chart.PointCount);
        QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Point"));
        // Fewer decimals show at once.
        info->findChild<QSpinBox*>("DecimalSpinEdit")->setValue(1);
        QVERIFY(info->ReportText().contains("Oneway ANOVA"));
        const int meanColumn = [&] {
            for (int c = 0; c < model->columnCount(); ++c) {
                if (model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == "Mean")
                    return c;
            }
            return -1;
        }();
        QVERIFY(meanColumn > 0);
        const QString mean = model->data(model->index(0, meanColumn), Qt::DisplayRole).toString();
        QCOMPARE(mean.size() - mean.indexOf('.'), 2);
        QVERIFY(model->data(model->index(0, meanColumn), Qt::BackgroundRole).isValid());
    }

    void testsDialogStoresItsChoices() {
        testing::ScriptedUserInterface ui;
        MemorySettingsStore settings;
        Workspace ws(ui, settings);
        app::TForm_ControlTests dialog(ws);
        QCOMPARE(dialog.windowTitle(), QString("Tests for Statistical Control"));
        QVERIFY(dialog.findChild<QCheckBox*>("CheckBox2")->isChecked());
        QVERIFY(!dialog.findChild<QCheckBox*>("CheckBox12")->isChecked());
        QVERIFY(dialog.findChild<QCheckBox*>("CheckBox19") == nullptr);
        dialog.findChild<QCheckBox*>("CheckBox1")->setChecked(false);
        // Zone rule 2: M reaching N moves N up.
        dialog.findChild<QSpinBox*>("SpinEdit8")->setValue(3);
        QCOMPARE(dialog.findChild<QSpinBox*>("SpinEdit18")->value(), 4);
        QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn_OK"), Qt::LeftButton);
        QVERIFY(!ws.chart.TestSettings.StdTestEnabled[1]);
        QCOMPARE(ws.chart.TestSettings.TestValues[TestValueZone2M], 3);
        QCOMPARE(ws.chart.TestSettings.TestValues[TestValueZone2N], 4);

        app::TForm_ControlTests again(ws);
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                box->accept();
        });
        QTest::mouseClick(again.findChild<QPushButton*>("BitBtn_Save"), Qt::LeftButton);
        QVERIFY(settings.ReadValue("", "ControlTestValues").has_value());
        ws.chart.TestSettings = ControlTestSettings();
        QTest::mouseClick(again.findChild<QPushButton*>("BitBtn_Restore"), Qt::LeftButton);
        QCOMPARE(ws.chart.TestSettings.TestValues[TestValueZone2N], 4);
        QVERIFY(!again.findChild<QCheckBox*>("CheckBox1")->isChecked());
    }
};

}  // namespace vostrel

QTEST_MAIN(vostrel::ChartWindowsTest)
#include "chart_windows_test.moc"
