#include "support/support.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace qvtest {

namespace fs = std::filesystem;

TempDir::TempDir() {
    const char* base = std::getenv("QV_TEST_TMP");
    fs::path root = base ? fs::path(base) : fs::temp_directory_path() / "quelvar-tests";
    static std::atomic<int> counter{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "test";
    for (char& c : name)
        if (c == '/') c = '_';
    path_ = root / (name + "." + std::to_string(::getpid()) + "." + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string TempDir::file(std::string_view name) const {
    const auto cp = qv::utf8ToCp1252((path_ / std::string(name)).string());
    return cp ? *cp : std::string();
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool exists(const fs::path& path) {
    return fs::exists(path);
}

std::vector<std::string> crlfLines(const std::string& content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "the file does not end with CR LF: " << content.substr(start);
            lines.push_back(content.substr(start));
            break;
        }
        const std::string line = content.substr(start, end - start);
        EXPECT_EQ(line.find('\n'), std::string::npos) << "a bare line feed in: " << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

EnvGuard::EnvGuard(const char* name, const char* value)
    : name_(name) {
    const char* old = std::getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    if (value)
        ::setenv(name, value, 1);
    else
        ::unsetenv(name);
}

EnvGuard::~EnvGuard() {
    if (had_)
        ::setenv(name_.c_str(), old_.c_str(), 1);
    else
        ::unsetenv(name_.c_str());
}

LocaleEnv::LocaleEnv(const char* name)
    : all_("LC_ALL", name)
    , numeric_("LC_NUMERIC", nullptr)
    , time_("LC_TIME", nullptr)
    , lang_("LANG", nullptr) {}

WorkingDir::WorkingDir(const fs::path& dir)
    : old_(fs::current_path()) {
    fs::current_path(dir);
}

WorkingDir::~WorkingDir() {
    std::error_code ec;
    fs::current_path(old_, ec);
}

StderrCapture::StderrCapture(const fs::path& file)
    : file_(file) {
    std::fflush(stderr);
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        ADD_FAILURE() << "cannot create " << file;
        return;
    }
    saved_ = ::dup(2);
    ::dup2(fd, 2);
    ::close(fd);
}

StderrCapture::~StderrCapture() {
    finish();
}

std::string StderrCapture::finish() {
    if (saved_ >= 0) {
        std::fflush(stderr);
        ::dup2(saved_, 2);
        ::close(saved_);
        saved_ = -1;
    }
    return readFile(file_);
}

} // namespace qvtest
