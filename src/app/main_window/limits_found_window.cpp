#include "app/main_window/limits_found_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QStringListModel>

#include <algorithm>

#include "app/common/display_text.h"
#include "engine/analysis/config_file.h"
#include "engine/analysis/performance_analysis.h"
#include "engine/core/user_interface.h"
#include "ui_limits_found_window.h"

namespace vostrel::app {

TSpecsFound::TSpecsFound(const LegacySpecifications& specs, UserInterface& ui, QWidget* parent)
    : QDialog(parent), ui_(ui), form_(std::make_unique<Ui::TSpecsFound>()) {
    form_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    QStringList lines;
    for (const std::string& line : SpecificationsFoundText()) lines << ToDisplayText(line);
    form_->Memo1->setPlainText(lines.join(QLatin1Char('\n')));

    values_ = new QStringListModel(this);
    values_->setStringList(
        {ToDisplayText(specs.USL), ToDisplayText(specs.Target), ToDisplayText(specs.LSL)});
    QTableView* grid = form_->StringGrid1;
    grid->setModel(values_);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->selectRow(0);
    grid->addAction(form_->Copy1);
    form_->Copy1->setShortcutContext(Qt::WidgetShortcut);

    connect(form_->Copy1, &QAction::triggered, this, &TSpecsFound::Copy1Click);
    connect(form_->SpeedButton1, &QToolButton::clicked, this, &TSpecsFound::Copy1Click);
    connect(form_->BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

TSpecsFound::~TSpecsFound() = default;

QString TSpecsFound::SelectedText() const {
    QModelIndexList rows = form_->StringGrid1->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList lines;
    for (const QModelIndex& row : rows) lines << row.data().toString();
    return lines.join(QLatin1Char('\n'));
}

void TSpecsFound::Copy1Click() { QGuiApplication::clipboard()->setText(SelectedText()); }

void TSpecsFound::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    ui_.Beep();
}

}  // namespace vostrel::app
