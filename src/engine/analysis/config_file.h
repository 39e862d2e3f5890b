#pragma once
// The analysis configuration file (.vos): one "KEY:value" line for each setting of the
// main window, and the data file the settings belong to.

#include <string>
#include <vector>

namespace vostrel {

class Workspace;

// The fifteen lines SaveConfig writes, each ended by CR LF.
std::string ConfigFileText(const Workspace& ws);

// Offers to save the data first, writes the file (atomically), remembers it as
// ConfigFileName and puts it first in the recently-used list. False when it could not be
// written (the user has seen why).
bool SaveConfig(Workspace& ws, const std::string& path);

// "Save As" of the main window: a ".vos" name saves the configuration, any other name the
// data table (with the editor's name and description options).
bool SaveConfigOrData(Workspace& ws, const std::string& path, bool varnames, bool descriptions);

// Resets the settings, then reads every line: the data file is opened (or searched for),
// the columns renamed, the variables chosen and the rules set. False when the file could
// not be read or did not match its data (the user has seen why); the keys that could be
// applied stay applied.
bool LoadConfig(Workspace& ws, const std::string& path);

// File Open, the recently-used list, dropped files and the command line: a ".vos" file is
// a configuration, anything else a data file. False when nothing usable was opened.
bool OpenAnyFile(Workspace& ws, const std::string& path);

// The main window's caption: "Vostrel", then the configuration file and the data file
// when there are ones.
std::string MainWindowCaption(const Workspace& ws);

// The explanation the "Specifications Found" window shows above the old limits.
std::vector<std::string> SpecificationsFoundText();

// Whether the path names a configuration file (its extension, upper-cased, is ".VOS").
bool IsConfigFileName(const std::string& path);

}  // namespace vostrel
