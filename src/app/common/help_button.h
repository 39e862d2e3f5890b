#pragma once
// The Help buttons and Help menu items of the program's windows and dialogs, bound to
// their help topics. F1 anywhere in the window opens the window's topic.

class QAbstractButton;
class QAction;

namespace vostrel::app {

// Help topic numbers of the windows built here.
inline constexpr int kMainFormTopic = 3000;
inline constexpr int kIntroductionTopic = 1000;
inline constexpr int kUserSetTopic = 3100;
inline constexpr int kMissingValuesTopic = 2300;
inline constexpr int kProcessIfTopic = 2310;
inline constexpr int kTransformTopic = 2400;
inline constexpr int kConfigureSaveTopic = 2200;
inline constexpr int kDataEditorTopic = 2000;
inline constexpr int kDerivedVariablesTopic = 2600;
inline constexpr int kPerformanceChartsTopic = 4100;
inline constexpr int kBoxPlotsTopic = 4200;
inline constexpr int kHistogramTopic = 4400;
inline constexpr int kFrequencyPlotsTopic = 4500;

// Pressing the button, or F1 in its window, opens the topic.
void BindHelpButton(QAbstractButton* button, int topic);

// A window's help commands: the topic's menu item and tool button (either may be missing;
// the menu item gets F1 when it has no shortcut) and the guide's contents.
void BindHelpCommands(QAction* topicItem, QAction* topicButton, QAction* contents, int topic);

}  // namespace vostrel::app
