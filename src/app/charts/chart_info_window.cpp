#include "app/charts/chart_info_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QScrollBar>
#include <QWheelEvent>

#include <set>

#include "app/charts/chart_window.h"
#include "app/charts/point_grid_model.h"
#include "app/charts/report_text.h"
#include "app/common/graph_services/graph_help.h"
#include "app/common/graph_services/graph_navigation.h"
#include "app/common/print_report.h"
#include "app/common/display_text.h"
#include "app/common/window_directory.h"
#include "engine/control_charts/chart_info_fonts.h"
#include "engine/control_charts/chart_report_source.h"
#include "engine/report/number_format.h"
#include "engine/report/report_export.h"
#include "engine/workspace.h"
#include "ui_chart_info_window.h"

namespace vostrel::app {

namespace {

const std::string ProgramName = "Vostrel";

// Makes a document the writer's target while it is printed, then puts the old one back.
class PrintTarget {
  public:
    PrintTarget(ReportWriter& writer, ReportDocument& document)
        : writer_(writer), previous_(writer.Target()), style_(writer.ReportFont) {
        writer.SetReportEdit(document);
    }
    ~PrintTarget() {
        writer_.SetReportEdit(previous_);
        writer_.ReportFont = style_;
    }
    PrintTarget(const PrintTarget&) = delete;
    PrintTarget& operator=(const PrintTarget&) = delete;

  private:
    ReportWriter& writer_;
    ReportDocument& previous_;
    ReportStyle style_;
};

}  // namespace

TForm_CChart_Info::TForm_CChart_Info(Workspace& ws, TVARchart_Form& chartWindow,
                                     const WindowDirectory* windows)
    : QMainWindow(&chartWindow, Qt::Window),
      ws_(ws),
      chartWindow_(chartWindow),
      windows_(windows),
      ui_(new Ui::TForm_CChart_Info),
      grid_(new PointGridModel(this)) {
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui_->StringGrid1->setModel(grid_);
    ui_->StringGrid1->verticalHeader()->setVisible(false);
    ui_->StringGrid1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    ui_->StatusBar1->addWidget(new QLabel(ui_->StatusBar1));
    ui_->DecimalSpinEdit->setValue(ws_.chart.Info.InfoDecimals);
    ui_->RichEdit1->viewport()->installEventFilter(this);

    const ChartInfoSettings& info = ws_.chart.Info;
    if (info.Top >= 0) setGeometry(info.Left, info.Top, info.Width, info.Height);

    connect(ui_->DecimalSpinEdit, qOverload<int>(&QSpinBox::valueChanged), this,
            &TForm_CChart_Info::DecimalsChanged);
    connect(ui_->PageControl1, &QTabWidget::currentChanged, this, &TForm_CChart_Info::PageChanged);
    connect(ui_->PrintText1, &QAction::triggered, this, &TForm_CChart_Info::PrintText);
    connect(ui_->PrintGrid1, &QAction::triggered, this, &TForm_CChart_Info::PrintGrid);
    connect(ui_->SaveText1, &QAction::triggered, this, &TForm_CChart_Info::SaveText);
    connect(ui_->SaveGrid1, &QAction::triggered, this, &TForm_CChart_Info::SaveGrid);
    connect(ui_->Copy1, &QAction::triggered, this, &TForm_CChart_Info::Copy);
    connect(ui_->SelectAll1, &QAction::triggered, this, &TForm_CChart_Info::SelectAll);
    connect(ui_->Undo1, &QAction::triggered, ui_->RichEdit1, &QTextEdit::undo);
    connect(ui_->Cut1, &QAction::triggered, ui_->RichEdit1, &QTextEdit::cut);
    connect(ui_->Paste1, &QAction::triggered, ui_->RichEdit1, &QTextEdit::paste);
    connect(ui_->IncreaseFont1, &QAction::triggered, this, [this] { StepFont(1); });
    connect(ui_->DecreaseFont1, &QAction::triggered, this, [this] { StepFont(-1); });
    const auto goBack = [this] { close(); };
    connect(ui_->Return1, &QAction::triggered, this, goBack);
    connect(ui_->ToolButton_Return, &QAction::triggered, this, goBack);
    connect(ui_->CloseForm1, &QAction::triggered, this, goBack);
    connect(ui_->MainForm1, &QAction::triggered, this, [] { ShowRestored(FindMainForm()); });
    const bool editor = windows_ != nullptr && windows_->Has(ProgramWindow::DataEditor);
    ui_->DataEditor1->setEnabled(editor);
    if (!editor) ui_->DataEditor1->setToolTip(QStringLiteral("Not available yet"));
    connect(ui_->DataEditor1, &QAction::triggered, this, [this] {
        if (windows_ != nullptr) windows_->Open(ProgramWindow::DataEditor, this);
    });
    BindHelpCommands(*this, ui_->Help1, ui_->Contents1, kChartInfoTopic);
    // A left click on the grid's corner selects every cell.
    ui_->StringGrid1->setCornerButtonEnabled(true);
    PageChanged();
}

TForm_CChart_Info::~TForm_CChart_Info() { delete ui_; }

void TForm_CChart_Info::ShowChartInformation(QWidget* caller, const QString& name) {
    caller_ = caller;
    ui_->ToolButton_Return->setToolTip(QStringLiteral("Return to ") + name);
    ui_->Return1->setText(QStringLiteral("&Return to ") + name);
    opening_ = true;
    RegenerateWhenRedrawn();
    opening_ = false;
    ShowRestored(this);
}

bool TForm_CChart_Info::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) RegenerateWhenRedrawn();
    return QMainWindow::event(event);
}

void TForm_CChart_Info::RegenerateWhenRedrawn() {
    if (reportedDisplayCount_ == chartWindow_.DisplayCount()) return;
    Regenerate();
}

void TForm_CChart_Info::Regenerate() {
    reportedDisplayCount_ = chartWindow_.DisplayCount();
    WriteReport(false);
    FillGrid();
}

void TForm_CChart_Info::WriteReport(bool keepScroll) {
    BusyCursor busy(ws_.ui);
    QScrollBar* scroll = ui_->RichEdit1->verticalScrollBar();
    const int firstLine = scroll->value();
    ui_->RichEdit1->setUpdatesEnabled(false);
    WriteCurrentChartReport(ws_, ws_.analysis.Settings.Title);
    ShowReportDocument(ws_.chart.InfoReport, *ui_->RichEdit1->document());
    ui_->RichEdit1->setUpdatesEnabled(true);
    if (keepScroll) {
        scroll->setValue(firstLine);
    } else {
        ui_->RichEdit1->moveCursor(QTextCursor::Start);
        scroll->setValue(0);
    }
}

void TForm_CChart_Info::FillGrid() {
    auto grid = std::make_unique<PointGrid>(ws_.chart, ws_.report.numberLocale);
    const std::string status = grid->StatusText();
    grid_->SetGrid(std::move(grid), ws_.chart.Info.InfoDecimals);
    ui_->StringGrid1->resizeColumnsToContents();
    if (auto* panel = ui_->StatusBar1->findChild<QLabel*>()) {
        panel->setText(QStringLiteral(" ") + ToDisplayText(status));
    }
}

void TForm_CChart_Info::DecimalsChanged(int decimals) {
    const bool fewer = decimals < ws_.chart.Info.InfoDecimals;
    ws_.chart.Info.InfoDecimals = decimals;
    grid_->SetDecimals(decimals);
    if (fewer) ui_->StringGrid1->resizeColumnsToContents();
    if (!opening_) WriteReport(true);
}

// Undo, cut, paste and the font commands work on the report only.
void TForm_CChart_Info::PageChanged() {
    const bool analysis = ui_->PageControl1->currentIndex() == 0;
    for (QAction* action :
         {ui_->Undo1, ui_->Cut1, ui_->Paste1, ui_->IncreaseFont1, ui_->DecreaseFont1}) {
        action->setEnabled(analysis);
    }
}

void TForm_CChart_Info::StepFont(int step) {
    if (!StepInfoFontSize(ws_.chart.Info, ws_.chart.InfoReport, step)) return;
    QScrollBar* scroll = ui_->RichEdit1->verticalScrollBar();
    const int first = scroll->value();
    ShowReportDocument(ws_.chart.InfoReport, *ui_->RichEdit1->document());
    scroll->setValue(first);
}

bool TForm_CChart_Info::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->RichEdit1->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int step = wheel->angleDelta().y() > 0 ? 1 : -1;
            if (WheelInfoFontSize(ws_.chart.Info, ws_.chart.InfoReport, step)) {
                ShowReportDocument(ws_.chart.InfoReport, *ui_->RichEdit1->document());
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QString TForm_CChart_Info::ReportText() const { return ui_->RichEdit1->toPlainText(); }

// --- Print, save, copy ---

void TForm_CChart_Info::PrintText() {
    PrintTarget target(ws_.report, ws_.chart.InfoReport);
    PrintReport(this, ws_.report, ws_.ui, ProgramName);
}

// The grid as lines of right-aligned columns (tab-separated for the clipboard and files).
std::string TForm_CChart_Info::GridText(bool selectionOnly) const {
    const PointGrid* grid = grid_->Grid();
    if (grid == nullptr) return {};
    std::set<int> rows;
    std::set<int> columns;
    if (selectionOnly) {
        for (const QModelIndex& index : ui_->StringGrid1->selectionModel()->selectedIndexes()) {
            rows.insert(index.row());
            columns.insert(index.column());
        }
    } else {
        for (int c = 0; c < grid->ColumnCount(); ++c) columns.insert(c);
    }
    std::string text;
    const int decimals = ws_.chart.Info.InfoDecimals;
    if (!selectionOnly) {
        for (int c : columns) {
            if (c != *columns.begin()) text += '\t';
            text += grid->Columns()[static_cast<std::size_t>(c)].Header;
        }
        text += "\r\n";
        for (int r = 0; r < grid->RowCount(); ++r) rows.insert(r);
    }
    for (int r : rows) {
        for (int c : columns) {
            if (c != *columns.begin()) text += '\t';
            text += grid->DisplayText(r + 1, c, decimals);
        }
        text += "\r\n";
    }
    return text;
}

void TForm_CChart_Info::PrintGrid() {
    const PointGrid* grid = grid_->Grid();
    if (grid == nullptr) return;
    // Columns as wide as their widest text, in the body font of the report.
    std::vector<int> widths(static_cast<std::size_t>(grid->ColumnCount()), 0);
    const int decimals = ws_.chart.Info.InfoDecimals;
    for (int c = 0; c < grid->ColumnCount(); ++c) {
        int& width = widths[static_cast<std::size_t>(c)];
        width = DisplayLength(grid->Columns()[static_cast<std::size_t>(c)].Header);
        for (int r = 1; r <= grid->RowCount(); ++r) {
            width = std::max(width, DisplayLength(grid->DisplayText(r, c, decimals)));
        }
    }
    ReportDocument document;
    ReportStyle title = document.BaseStyle();
    title.bold = true;
    document.Append(ws_.chart.ReportTitle + "\n\n", title);
    auto line = [&](const std::function<std::string(int)>& cell) {
        std::string text;
        for (int c = 0; c < grid->ColumnCount(); ++c) {
            text += PadLeft(cell(c), widths[static_cast<std::size_t>(c)] + 2);
        }
        document.Append(text + "\n", document.BaseStyle());
    };
    line([&](int c) { return grid->Columns()[static_cast<std::size_t>(c)].Header; });
    for (int r = 1; r <= grid->RowCount(); ++r) {
        line([&](int c) { return grid->DisplayText(r, c, decimals); });
    }
    PrintTarget target(ws_.report, document);
    PrintReport(this, ws_.report, ws_.ui, ProgramName + " - " + ws_.chart.ReportTitle);
}

void TForm_CChart_Info::SaveText() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save Report As"), QString(),
                                     QStringLiteral("Rich Text (*.rtf);;Text (*.txt)"));
    if (path.isEmpty()) return;
    const WriteResult result = SaveReport(ws_.chart.InfoReport, FromDisplayText(path));
    if (!result.ok) ws_.ui.ErrorBox(result.message);
}

void TForm_CChart_Info::SaveGrid() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Grid As"),
                                                      QString(), QStringLiteral("Text (*.txt)"));
    if (path.isEmpty()) return;
    const WriteResult result = WriteFileAtomically(FromDisplayText(path), GridText(false));
    if (!result.ok) ws_.ui.ErrorBox(result.message);
}

void TForm_CChart_Info::Copy() {
    if (ui_->PageControl1->currentIndex() == 0) {
        ui_->RichEdit1->copy();
        return;
    }
    QGuiApplication::clipboard()->setText(ToDisplayText(GridText(true)));
}

void TForm_CChart_Info::SelectAll() {
    if (ui_->PageControl1->currentIndex() == 0) {
        ui_->RichEdit1->selectAll();
    } else {
        ui_->StringGrid1->selectAll();
    }
}

void TForm_CChart_Info::closeEvent(QCloseEvent* event) {
    ChartInfoSettings& info = ws_.chart.Info;
    const QRect place = geometry();
    info.Top = place.top();
    info.Left = place.left();
    info.Width = place.width();
    info.Height = place.height();
    ShowRestored(caller_.isNull() ? &chartWindow_ : caller_.data());
    event->accept();
}

}  // namespace vostrel::app
