#pragma once
// The frame every graph of these windows is drawn in: an emptied plot, the title lines
// above it, the footer below it, and the colours of the two drawing modes.

#include <QColor>
#include <QString>

#include <string>
#include <vector>

class QCustomPlot;
class QCPTextElement;

namespace vostrel::app {

// The colours the graphs name.
namespace graph_colours {
inline const QColor Red(255, 0, 0);
inline const QColor Green(0, 255, 0);
inline const QColor Blue(0, 0, 255);
inline const QColor Yellow(255, 255, 0);
inline const QColor Aqua(0, 255, 255);
inline const QColor Grey(128, 128, 128);
inline const QColor Silver(192, 192, 192);
inline const QColor LightYellow(255, 255, 128);
inline const QColor LightRed(255, 128, 128);
inline const QColor Teal(64, 128, 128);
}  // namespace graph_colours

// Removes every plottable, item, title and footer, resets the axes to automatic ticks and
// shows the bottom and left axes only.
void ResetPlot(QCustomPlot& plot);

// The title lines above the plot (the first text element, which the titles dialog edits).
QCPTextElement* SetPlotTitle(QCustomPlot& plot, const std::vector<std::string>& lines,
                             const QColor& colour);

// A footer line below the plot; nothing when the text is empty.
void SetPlotFooter(QCustomPlot& plot, const std::string& text, const QColor& colour);

QString ToQString(const std::string& text);

}  // namespace vostrel::app
