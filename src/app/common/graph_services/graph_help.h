#pragma once
// The Help menu of a graph window: the window's help topic (F1) and the guide's contents.

class QAbstractButton;
class QAction;
class QWidget;

namespace vostrel::app {

// Help topic numbers of the control chart windows.
inline constexpr int kChartSetupTopic = 3700;
inline constexpr int kChartWindowTopic = 3750;
inline constexpr int kChartInfoTopic = 3780;
inline constexpr int kControlTestsTopic = 4380;

// help opens the topic, contents the guide's contents; either may be missing.
void BindHelpCommands(QWidget& window, QAction* help, QAction* contents, int topic);
// A dialog's Help button.
void BindHelpCommand(QWidget& window, QAbstractButton* help, int topic);

}  // namespace vostrel::app
