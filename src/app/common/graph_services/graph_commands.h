#pragma once
// The commands every graph window offers on its plot: print with preview, copy to the
// clipboard, save to a file chosen by the user.

#include <QString>

#include "engine/graphics/graph_file_format.h"

class QCustomPlot;
class QWidget;

namespace vostrel {
class UserInterface;
}

namespace vostrel::app {

inline constexpr const char* GraphCopiedNotice = "Graph Copied to Clipboard!";

// Opens the print preview of the plot (modal); printing proceeds from there.
void PrintGraph(QCustomPlot& plot, QWidget* parent);

// Puts the plot on the clipboard as an image and as SVG, then shows "Graph Copied to
// Clipboard!" for two seconds. The cursor is restored and the notice shown whatever happens.
void CopyGraph(QCustomPlot& plot);

// Saves the plot under a path: the format follows the extension; an extension the window
// does not offer shows "File Extension Not Valid!" and writes nothing; a JPEG asks for its
// quality first (cancel writes nothing). True when the file was written.
bool SaveGraphAs(QCustomPlot& plot, const QString& path, GraphFormats offered, UserInterface& ui,
                 QWidget* parent);

// Asks for a file name with the save dialog, then saves as above. False when cancelled or
// nothing was written.
bool SaveGraph(QCustomPlot& plot, GraphFormats offered, UserInterface& ui, QWidget* parent);

}  // namespace vostrel::app
