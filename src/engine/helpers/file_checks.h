#pragma once
// Checks made before a file chosen by the user is opened or written: whether the path
// names a readable file, and the extension a name without one is given.

#include <string>

namespace vostrel {

// Why the path cannot be opened as a file (missing, a folder, not readable); empty when
// it can.
std::string OpenFileProblem(const std::string& path);

// Why a data table must not be saved under this name: a ".vos" name would be read back as
// a configuration file. Empty when it may.
std::string DataFileNameProblem(const std::string& path);

// The path with ".extension" appended when its file name has no extension of its own.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace vostrel
