// Helpers shared by the tests.
#pragma once

#include "format/encoding.hpp"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qvtest {

using namespace qv::literals;

// A fresh, empty folder under the build tree's temporary folder, removed at the end of the test.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    // A file name in the folder, as the library receives names (Windows-1252 bytes).
    std::string file(std::string_view name) const;

  private:
    std::filesystem::path path_;
};

// The whole content of a file; empty when it does not exist.
std::string readFile(const std::filesystem::path& path);
bool exists(const std::filesystem::path& path);

// The lines of a file written with CR LF line ends; fails the test when a line end is different.
std::vector<std::string> crlfLines(const std::string& content);

// Records every text the library shows in its message box while it exists (the core's box: for
// the tests that link the core).
class AvisoRecorder {
  public:
    AvisoRecorder();
    ~AvisoRecorder();
    AvisoRecorder(const AvisoRecorder&) = delete;
    AvisoRecorder& operator=(const AvisoRecorder&) = delete;
    const std::vector<std::string>& messages() const { return messages_; }

  private:
    std::vector<std::string> messages_;
};

// Sets an environment variable for the lifetime of the object (nullptr removes it).
class EnvGuard {
  public:
    EnvGuard(const char* name, const char* value);
    ~EnvGuard();
    EnvGuard(const EnvGuard&) = delete;
    EnvGuard& operator=(const EnvGuard&) = delete;

  private:
    std::string name_;
    bool had_;
    std::string old_;
};

// Runs the test body under a locale environment: LC_ALL set to the name, the others cleared.
class LocaleEnv {
  public:
    explicit LocaleEnv(const char* name);

  private:
    EnvGuard all_;
    EnvGuard numeric_;
    EnvGuard time_;
    EnvGuard lang_;
};

// Makes the folder the working directory for the lifetime of the object, then restores the old
// one (the default file names of the library are relative to the working directory).
class WorkingDir {
  public:
    explicit WorkingDir(const std::filesystem::path& dir);
    ~WorkingDir();
    WorkingDir(const WorkingDir&) = delete;
    WorkingDir& operator=(const WorkingDir&) = delete;

  private:
    std::filesystem::path old_;
};

// Sends everything written to standard error (file descriptor 2) into a file while it exists.
class StderrCapture {
  public:
    explicit StderrCapture(const std::filesystem::path& file);
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;
    // Restores standard error and answers what was written to it.
    std::string finish();

  private:
    std::filesystem::path file_;
    int saved_ = -1;
};

} // namespace qvtest
