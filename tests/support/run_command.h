#pragma once
// Runs a command line and collects its standard output, standard error and exit status.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "support/temp_dir.h"

namespace vostrel::testing {

struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline CommandResult RunCommand(const std::string& commandLine) {
    TempDir dir;
    const std::string errFile = dir.File("stderr.txt");
    CommandResult result;
    std::FILE* pipe = ::popen((commandLine + " 2>" + errFile).c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 65536> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.out.append(buffer.data(), got);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = TempDir::Read(errFile);
    return result;
}

// Quotes a word for the shell.
inline std::string Quote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace vostrel::testing
