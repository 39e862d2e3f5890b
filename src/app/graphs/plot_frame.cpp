#include "app/graphs/plot_frame.h"

#include <qcustomplot.h>

namespace vostrel::app {

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

void ResetPlot(QCustomPlot& plot) {
    plot.clearPlottables();
    plot.clearItems();
    plot.legend->setVisible(false);
    // Everything but the axis rect itself: the title and footer rows.
    QCPLayoutGrid* layout = plot.plotLayout();
    for (int i = layout->elementCount() - 1; i >= 0; --i) {
        QCPLayoutElement* element = layout->elementAt(i);
        if (element != nullptr && element != plot.axisRect()) layout->remove(element);
    }
    layout->simplify();
    for (QCPAxis* axis : plot.axisRect()->axes()) {
        axis->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
        axis->setLabel(QString());
        axis->grid()->setVisible(false);
        axis->setTickLabelRotation(0);
        axis->setNumberFormat(QStringLiteral("gb"));
    }
    plot.xAxis->setVisible(true);
    plot.yAxis->setVisible(true);
    plot.xAxis2->setVisible(false);
    plot.yAxis2->setVisible(false);
}

QCPTextElement* SetPlotTitle(QCustomPlot& plot, const std::vector<std::string>& lines,
                             const QColor& colour) {
    QStringList texts;
    for (const std::string& line : lines) texts << ToQString(line);
    plot.plotLayout()->insertRow(0);
    auto* title = new QCPTextElement(&plot, texts.join(QLatin1Char('\n')),
                                     QFont(plot.font().family(), 11, QFont::Bold));
    title->setTextColor(colour);
    title->setObjectName(QStringLiteral("Title"));
    plot.plotLayout()->addElement(0, 0, title);
    return title;
}

void SetPlotFooter(QCustomPlot& plot, const std::string& text, const QColor& colour) {
    if (text.empty()) return;
    QCPLayoutGrid* layout = plot.plotLayout();
    const int row = layout->rowCount();
    layout->insertRow(row);
    auto* footer = new QCPTextElement(&plot, ToQString(text), QFont(plot.font().family(), 9));
    footer->setTextColor(colour);
    footer->setObjectName(QStringLiteral("Footer"));
    layout->addElement(row, 0, footer);
}

}  // namespace vostrel::app
