#pragma once
// A plot drawn at a given size into a picture: a raster image, SVG, PDF, a file of any of
// them (chosen by extension) or a printer page. The graph windows, their clipboard and
// save commands and vostrel-cli --image all draw through these.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include "engine/graphics/graph_file_format.h"

class QCustomPlot;
class QPrinter;

namespace vostrel::app {

// The plot as an image of the size (the plot's own size when empty), white behind it.
QImage PlotToImage(QCustomPlot& plot, QSize size = {});
// The plot as an SVG document of the size.
QByteArray PlotToSvg(QCustomPlot& plot, QSize size = {});

// Writes the plot into the file in the format, drawn at the size; JPEG takes the quality
// (0..100, -1 for the default). The file is replaced only when it was written whole.
// Returns an empty text on success, otherwise why the file could not be written.
QString WritePlotFile(QCustomPlot& plot, const QString& path, GraphFileFormat format,
                      QSize size = {}, int jpegQuality = -1);

// Prints the plot on the printer's page: 5 % margins on every side, stretched to fill the
// rest (not kept in proportion).
void PaintPlotOnPrinter(QCustomPlot& plot, QPrinter& printer);

}  // namespace vostrel::app
