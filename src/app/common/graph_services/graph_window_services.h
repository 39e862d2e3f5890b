#pragma once
// Everything a graph window shares with the others, bound to its plot and its actions in
// one object: Print, Copy, Save As, Edit Titles (also a click on the chart title), Zoom Out,
// the black-and-white mode, Return / Main Form / Hide Form. A window creates one after
// setupUi and calls Open() to show itself and RememberDrawing() after every drawing:
//
//     services_ = new GraphWindowServices(*this, *ui_->Chart1, ws, {
//         .Print = ui_->Print1, .Copy = ui_->Copy1, .Save = ui_->SaveAs1, ...});
//     services_->Redraw = [this] { Draw(); };

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

#include "app/common/graph_services/graph_navigation.h"
#include "app/common/graph_services/graph_title_target.h"
#include "app/common/graph_services/graph_zoom.h"
#include "engine/graphics/graph_file_format.h"

class QAction;
class QCPTextElement;
class QCustomPlot;
class QWidget;

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

// The window's actions; any may be missing. A menu item and a tool button that do the same
// may be one action or two.
struct GraphActions {
    QAction* Print = nullptr;       // "&Print..." (Ctrl+P)
    QAction* Copy = nullptr;        // "&Copy Chart" (Ctrl+C)
    QAction* Save = nullptr;        // "Save &As..."
    QAction* EditTitles = nullptr;  // "Edit &Titles" (Ctrl+T)
    QAction* ZoomOut = nullptr;     // "&Zoom Out" (Ctrl+Z)
    QAction* ZoomOutButton = nullptr;
    QAction* BlackWhite = nullptr;      // the "Color/BW" button
    QAction* BlackWhiteItem = nullptr;  // "&Black && White", checked in black and white
    QAction* ReturnButton = nullptr;    // hint "Return to " + name
    QAction* ReturnItem = nullptr;      // caption "&Return to " + name
    QAction* MainForm = nullptr;
    QAction* HideForm = nullptr;
};

class GraphWindowServices : public QObject {
    Q_OBJECT
  public:
    GraphWindowServices(QWidget& window, QCustomPlot& plot, Workspace& ws,
                        const GraphActions& actions, GraphFormats formats = GraphFormats::All);

    // Draws the window again; called after the black-and-white mode changed.
    std::function<void()> Redraw;
    // What the titles dialog edits; by default the plot's first text element and the axes
    // of its first axis rect.
    std::function<std::unique_ptr<GraphTitleTarget>()> TitleTarget;
    // Called after the titles dialog closed (for windows that keep the sizes themselves).
    std::function<void()> TitlesEdited;

    // Remembers the caller and its name and shows the window.
    void Open(QWidget* caller, const QString& name) { navigation_.Open(caller, name); }
    // After drawing: the ranges drawn are Zoom Out's home, the menus show the current state.
    void RememberDrawing();
    // Brings the check marks and enabled states up to date (when a menu opens).
    void ShowMenuState();

    bool BlackWhite() const;
    void ToggleBlackWhite();
    void Print();
    void Copy();
    bool Save();
    void EditTitles();

    GraphZoom& Zoom() { return zoom_; }
    GraphNavigation& Navigation() { return navigation_; }
    QCustomPlot& Plot() { return plot_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Bind(QAction* action, void (GraphWindowServices::*command)());
    QCPTextElement* TitleAt(const QPoint& pos) const;

    QWidget& window_;
    QCustomPlot& plot_;
    Workspace& ws_;
    GraphActions actions_;
    GraphFormats formats_;
    GraphZoom zoom_;
    GraphNavigation navigation_;
};

}  // namespace vostrel::app
