#include "sefgen_runner.hpp"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

extern char** environ;

namespace sefgentest {

namespace {

std::string drain(int fd) {
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    ::close(fd);
    return text;
}

// The test's environment with the given entries in place of the variables of the same names.
std::vector<std::string> environmentWith(const std::vector<std::string>& replacements) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        bool replaced = false;
        for (const std::string& r : replacements)
            replaced = replaced || r.substr(0, r.find('=')) == name;
        if (!replaced) env.push_back(entry);
    }
    env.insert(env.end(), replacements.begin(), replacements.end());
    return env;
}

} // namespace

Result sefgen(const std::vector<std::string>& args, const Setup& setup) {
    char outName[] = "/tmp/sefgen-out-XXXXXX";
    char errName[] = "/tmp/sefgen-err-XXXXXX";
    const int out = ::mkstemp(outName);
    int err = -1;
    int terminal = -1; // the master side of the pseudo-terminal
    int slave = -1;
    if (setup.stderrOnTerminal) {
        terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (terminal < 0 || ::grantpt(terminal) != 0 || ::unlockpt(terminal) != 0) {
            ADD_FAILURE() << "no pseudo-terminal";
            return {};
        }
        slave = ::open(::ptsname(terminal), O_RDWR | O_NOCTTY);
    } else {
        err = ::mkstemp(errName);
    }

    std::string program = SEFGEN_PROGRAM;
    std::vector<std::string> copies = args;
    std::vector<char*> argv{program.data()};
    for (auto& a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = environmentWith(setup.environment);
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, out, 1);
    ::posix_spawn_file_actions_adddup2(&actions, setup.stderrOnTerminal ? slave : err, 2);
    ::posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (!setup.workingDir.empty()) ::posix_spawn_file_actions_addchdir_np(&actions, setup.workingDir.c_str());
    pid_t pid = 0;
    Result r;
    const bool started =
        ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0;
    ::posix_spawn_file_actions_destroy(&actions);
    // The terminal is read while the program runs, so that it never waits for room to write; the
    // reading ends when the program's side is closed.
    std::thread reader;
    if (setup.stderrOnTerminal) {
        ::close(slave);
        reader = std::thread([&] { r.err = drain(terminal); });
    }
    if (started) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (WIFEXITED(status)) r.status = WEXITSTATUS(status);
    } else {
        ADD_FAILURE() << "cannot start " << program;
    }
    if (reader.joinable()) reader.join();
    ::lseek(out, 0, SEEK_SET);
    r.out = drain(out);
    ::unlink(outName);
    if (!setup.stderrOnTerminal) {
        ::lseek(err, 0, SEEK_SET);
        r.err = drain(err);
        ::unlink(errName);
    }
    return r;
}

} // namespace sefgentest
