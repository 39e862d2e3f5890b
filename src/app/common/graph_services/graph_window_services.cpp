#include "app/common/graph_services/graph_window_services.h"

#include <qcustomplot.h>
#include <QAction>
#include <QEvent>
#include <QMouseEvent>

#include "app/common/graph_services/graph_commands.h"
#include "app/common/graph_services/titles_dialog.h"
#include "engine/workspace.h"

namespace vostrel::app {

GraphWindowServices::GraphWindowServices(QWidget& window, QCustomPlot& plot, Workspace& ws,
                                         const GraphActions& actions, GraphFormats formats)
    : QObject(&window),
      window_(window),
      plot_(plot),
      ws_(ws),
      actions_(actions),
      formats_(formats),
      zoom_(plot),
      navigation_(window, actions.ReturnButton, actions.ReturnItem) {
    Bind(actions_.Print, &GraphWindowServices::Print);
    Bind(actions_.Copy, &GraphWindowServices::Copy);
    if (actions_.Save != nullptr) {
        connect(actions_.Save, &QAction::triggered, this, [this] { Save(); });
    }
    Bind(actions_.EditTitles, &GraphWindowServices::EditTitles);
    Bind(actions_.BlackWhite, &GraphWindowServices::ToggleBlackWhite);
    Bind(actions_.BlackWhiteItem, &GraphWindowServices::ToggleBlackWhite);
    for (QAction* zoomOut : {actions_.ZoomOut, actions_.ZoomOutButton}) {
        if (zoomOut == nullptr) continue;
        zoomOut->setEnabled(false);
        connect(zoomOut, &QAction::triggered, this, [this] { zoom_.ZoomOut(); });
        connect(&zoom_, &GraphZoom::ZoomedChanged, zoomOut, &QAction::setEnabled);
    }
    if (actions_.BlackWhiteItem != nullptr) actions_.BlackWhiteItem->setCheckable(true);
    if (actions_.ReturnButton != nullptr) {
        connect(actions_.ReturnButton, &QAction::triggered, this, [this] { navigation_.Return(); });
    }
    if (actions_.ReturnItem != nullptr && actions_.ReturnItem != actions_.ReturnButton) {
        connect(actions_.ReturnItem, &QAction::triggered, this, [this] { navigation_.Return(); });
    }
    if (actions_.MainForm != nullptr) {
        connect(actions_.MainForm, &QAction::triggered, this,
                [this] { navigation_.ShowMainForm(); });
    }
    if (actions_.HideForm != nullptr) {
        connect(actions_.HideForm, &QAction::triggered, this, [this] { navigation_.HideForm(); });
    }

    // The chart title: the hand cursor over it, the titles dialog on a click.
    plot_.setMouseTracking(true);
    connect(&plot_, &QCustomPlot::mouseMove, this, [this](QMouseEvent* event) {
        if (TitleAt(event->pos()) != nullptr) {
            plot_.setCursor(Qt::PointingHandCursor);
        } else {
            plot_.unsetCursor();
        }
    });
    connect(&plot_, &QCustomPlot::mousePress, this, [this](QMouseEvent* event) {
        if (event->button() == Qt::LeftButton && TitleAt(event->pos()) != nullptr) {
            // Not inside the plot's own event handling: the dialog is modal.
            QMetaObject::invokeMethod(
                this, [this] { EditTitles(); }, Qt::QueuedConnection);
        }
    });
    window_.installEventFilter(this);
}

void GraphWindowServices::Bind(QAction* action, void (GraphWindowServices::*command)()) {
    if (action == nullptr || command == nullptr) return;
    connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
}

QCPTextElement* GraphWindowServices::TitleAt(const QPoint& pos) const {
    auto* title = qobject_cast<QCPTextElement*>(plot_.layoutElementAt(pos));
    return title != nullptr && title->visible() && !title->text().isEmpty() ? title : nullptr;
}

bool GraphWindowServices::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::WindowActivate) ShowMenuState();
    return QObject::eventFilter(watched, event);
}

void GraphWindowServices::RememberDrawing() {
    zoom_.RememberHome();
    ShowMenuState();
}

void GraphWindowServices::ShowMenuState() {
    if (actions_.BlackWhiteItem != nullptr) {
        actions_.BlackWhiteItem->setChecked(ws_.graphWindows.BlackWhiteMode);
    }
    for (QAction* zoomOut : {actions_.ZoomOut, actions_.ZoomOutButton}) {
        if (zoomOut != nullptr) zoomOut->setEnabled(zoom_.Zoomed());
    }
}

bool GraphWindowServices::BlackWhite() const { return ws_.graphWindows.BlackWhiteMode; }

void GraphWindowServices::ToggleBlackWhite() {
    ws_.graphWindows.BlackWhiteMode = !ws_.graphWindows.BlackWhiteMode;
    ShowMenuState();
    if (Redraw) Redraw();
}

void GraphWindowServices::Print() { PrintGraph(plot_, &window_); }

void GraphWindowServices::Copy() { CopyGraph(plot_); }

bool GraphWindowServices::Save() { return SaveGraph(plot_, formats_, ws_.ui, &window_); }

void GraphWindowServices::EditTitles() {
    std::unique_ptr<GraphTitleTarget> target;
    if (TitleTarget) {
        target = TitleTarget();
    } else {
        QCPTextElement* title = nullptr;
        for (int i = 0; i < plot_.plotLayout()->elementCount() && title == nullptr; ++i) {
            title = qobject_cast<QCPTextElement*>(plot_.plotLayout()->elementAt(i));
        }
        target = std::make_unique<PlotTitleTarget>(plot_, title, plot_.yAxis, plot_.xAxis);
    }
    if (target == nullptr) return;
    EditGraphTitles(*target, ws_.graphWindows, &window_);
    if (TitlesEdited) TitlesEdited();
}

}  // namespace vostrel::app
