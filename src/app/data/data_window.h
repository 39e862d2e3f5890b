#pragma once
// The data window: the table in a grid, with File Open, the recently-used files and a
// status bar. The seed of the data editor.

#include <QMainWindow>

class QLabel;
class QMenu;
class QTableView;

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class DataTableModel;
class WindowDirectory;

class DataWindow : public QMainWindow {
    Q_OBJECT
  public:
    DataWindow(Workspace& ws, QWidget* parent = nullptr);

    // Loads a data file; false when it was not loaded.
    bool OpenFile(const QString& path);

    QTableView* Grid() const { return grid_; }
    DataTableModel* Model() const { return model_; }
    // Shows the table as it is now.
    void Refresh();

  private:
    void Open1Click();
    void FileClick();

    Workspace& ws_;
    DataTableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QLabel* sizePanel_ = nullptr;
};

// Registers the data window as the program's data editor, created on first use.
void RegisterDataWindow(Workspace& ws, WindowDirectory& windows);

}  // namespace vostrel::app
