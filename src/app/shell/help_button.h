#pragma once
// The Help buttons of the program's windows and dialogs, bound to their help topics.

class QAbstractButton;

namespace vostrel::app {

// Help topic numbers of the windows built here.
inline constexpr int kMainFormTopic = 3000;
inline constexpr int kIntroductionTopic = 1000;
inline constexpr int kUserSetTopic = 3100;
inline constexpr int kMissingValuesTopic = 2300;
inline constexpr int kProcessIfTopic = 2310;
inline constexpr int kTransformTopic = 2400;
inline constexpr int kConfigureSaveTopic = 2200;

// Pressing the button opens the topic.
void BindHelpButton(QAbstractButton* button, int topic);

}  // namespace vostrel::app
