// Runs the built sefgen as a user runs it: its own process, its standard output and standard
// error captured, standard input empty.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sefgentest {

struct Result {
    std::string out;
    std::string err;
    int status = -1; // the exit status, or -1 when the program did not exit normally
};

struct Setup {
    // The program's working directory; empty for the test's own.
    std::filesystem::path workingDir;
    // "NAME=value" entries that replace the variables of those names in the test's environment.
    std::vector<std::string> environment;
    // Standard error on a terminal (a pseudo-terminal whose output is captured) instead of a file.
    bool stderrOnTerminal = false;
};

Result sefgen(const std::vector<std::string>& args, const Setup& setup = {});

} // namespace sefgentest
