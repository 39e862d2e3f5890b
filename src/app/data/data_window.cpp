#include "app/data/data_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTableView>

#include "app/data/data_table_model.h"
#include "app/data/open_data_dialog.h"
#include "app/shell/display_text.h"
#include "app/shell/window_directory.h"
#include "engine/data/data_file.h"
#include "engine/helpers/mru_files.h"
#include "engine/workspace.h"

namespace vostrel::app {

DataWindow::DataWindow(Workspace& ws, QWidget* parent) : QMainWindow(parent), ws_(ws) {
    model_ = new DataTableModel(ws_.table, ws_.data, this);
    grid_ = new QTableView(this);
    grid_->setModel(model_);
    // Fixed row heights and interactive widths: nothing is measured per row, so a
    // million rows scroll smoothly.
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid_->horizontalHeader()->setDefaultSectionSize(70);
    grid_->setWordWrap(false);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setCentralWidget(grid_);

    fileMenu_ = menuBar()->addMenu(tr("&File"));
    connect(fileMenu_, &QMenu::aboutToShow, this, &DataWindow::FileClick);
    FileClick();

    sizePanel_ = new QLabel(this);
    statusBar()->addPermanentWidget(sizePanel_);
    resize(900, 600);
    Refresh();
}

bool DataWindow::OpenFile(const QString& path) {
    const LoadResult result = FileToDataGrid(ws_, FromDisplayText(path));
    Refresh();
    return result == LoadResult::Loaded;
}

void DataWindow::Open1Click() {
    const QString path = ChooseDataFile(ws_, this);
    if (!path.isEmpty()) OpenFile(path);
}

// Rebuilds the File menu with the recently-used files, as it opens.
void DataWindow::FileClick() {
    fileMenu_->clear();
    QAction* open = fileMenu_->addAction(tr("&Open..."), this, &DataWindow::Open1Click);
    open->setShortcut(QKeySequence(Qt::Key_F3));
    const std::vector<TMRUFiles::MenuEntry> entries = ws_.mru.FileClick();
    if (ws_.mru.SeparatorVisible()) fileMenu_->addSeparator();
    for (const TMRUFiles::MenuEntry& entry : entries) {
        const std::string path = entry.path;
        fileMenu_->addAction(ToDisplayText(entry.caption), this, [this, path] {
            if (TMRUFiles::CheckExists(path, ws_.ui)) OpenFile(ToDisplayText(path));
        });
    }
    fileMenu_->addSeparator();
    fileMenu_->addAction(tr("E&xit"), this, &QWidget::close);
}

void DataWindow::Refresh() {
    model_->Reload();
    const DataTable& table = ws_.table;
    setWindowTitle(table.DataFilename.empty()
                       ? QStringLiteral("Data")
                       : QStringLiteral("Data - ") + ToDisplayText(table.DataFilename) +
                             (table.Modified ? QStringLiteral("  (modified)") : QString()));
    sizePanel_->setText(
        QStringLiteral("Cols = %1,  Rows = %2").arg(table.MaxCol()).arg(table.CaseRows()));
}

void RegisterDataWindow(Workspace& ws, WindowDirectory& windows) {
    windows.Register(
        ProgramWindow::DataEditor,
        [&ws, &windows, window = QPointer<DataWindow>()](QWidget* /*caller*/) mutable -> QWidget* {
            if (!window) window = windows.Keep(new DataWindow(ws));
            window->Refresh();
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            window->show();
            window->raise();
            window->activateWindow();
            return window;
        });
}

}  // namespace vostrel::app
