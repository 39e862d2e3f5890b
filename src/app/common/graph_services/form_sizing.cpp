#include "app/common/graph_services/form_sizing.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QWidget>

#include "engine/graphics/form_scale.h"

namespace vostrel::app {

namespace {

FormSize WorkArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {window.width(), window.height()};
    const QRect area = screen->availableGeometry();
    return {area.width(), area.height()};
}

QFont ScaledFont(QFont font, double ratio) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * ratio);
    } else if (font.pixelSize() > 0) {
        font.setPixelSize(ScaleLength(font.pixelSize(), ratio));
    }
    return font;
}

void ScaleTable(QTableView& table, double ratio) {
    for (QHeaderView* header : {table.horizontalHeader(), table.verticalHeader()}) {
        header->setDefaultSectionSize(ScaleLength(header->defaultSectionSize(), ratio));
        if (header->sectionResizeMode(0) != QHeaderView::Interactive) continue;
        for (int i = 0; i < header->count() && i < 1000; ++i) {
            header->resizeSection(i, ScaleLength(header->sectionSize(i), ratio));
        }
    }
}

// Every control with a font of its own gets it scaled (the others inherit the window's);
// tool bar buttons and table cells grow with them.
void ScaleChildren(QWidget& window, double ratio) {
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->testAttribute(Qt::WA_SetFont)) child->setFont(ScaledFont(child->font(), ratio));
        if (auto* bar = qobject_cast<QToolBar*>(child)) {
            const QSize icons = bar->iconSize();
            bar->setIconSize(
                {ScaleLength(icons.width(), ratio), ScaleLength(icons.height(), ratio)});
        }
        if (auto* table = qobject_cast<QTableView*>(child)) ScaleTable(*table, ratio);
    }
}

}  // namespace

void ShowFormSizeButton(QAction* button, double formScale) {
    if (button == nullptr) return;
    const bool large = formScale > 1.0;
    const QStyle* style = QApplication::style();
    button->setIcon(style->standardIcon(large ? QStyle::SP_TitleBarNormalButton
                                              : QStyle::SP_TitleBarMaxButton));
    button->setToolTip(large ? QStringLiteral("Minimize Form Size")
                             : QStringLiteral("Maximize Form Size"));
}

void ScaleForm(QWidget& window, double& formScale, double wanted) {
    const FormSize workArea = WorkArea(window);
    const FormScaleStep step =
        ScaleFormStep(formScale, wanted, {window.width(), window.height()}, workArea);
    if (!step.Changes) return;
    const bool visible = window.isVisible();
    window.hide();
    formScale = step.NewScale;
    // The window's font reaches every control that has none of its own.
    const bool ownFont = window.testAttribute(Qt::WA_SetFont);
    ScaleChildren(window, step.Ratio);
    window.setFont(ScaledFont(ownFont ? window.font() : QApplication::font(&window), step.Ratio));
    window.setMinimumSize(0, 0);
    window.resize(step.NewSize.Width, step.NewSize.Height);
    if (const QScreen* screen = window.screen()) {
        QRect frame(QPoint(0, 0), window.frameSize());
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    if (visible) window.show();
}

void ToggleFormSize(QWidget& window, QAction* button, double& formScale) {
    const double wanted =
        ToggleTargetScale(formScale, {window.width(), window.height()}, WorkArea(window));
    ScaleForm(window, formScale, wanted);
    ShowFormSizeButton(button, formScale);
}

}  // namespace vostrel::app
