// Old output files that a new session cannot remove: a file that can still be written is emptied;
// one that can be neither removed nor emptied is shown in the message box, since the session
// would otherwise append to what an earlier run left in it.
#include "session/session.hpp"
#include "support/support.hpp"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace qvtest;

namespace {

// Sets or clears the immutable attribute, which stops even root from removing or changing a file
// (or from removing the files of a folder). False where the file system has no such attribute.
bool setImmutable(const std::filesystem::path& path, bool on) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

class Immutable {
  public:
    explicit Immutable(std::filesystem::path p)
        : path_(std::move(p))
        , set_(setImmutable(path_, true)) {}
    ~Immutable() {
        if (set_) setImmutable(path_, false);
    }
    Immutable(const Immutable&) = delete;
    Immutable& operator=(const Immutable&) = delete;
    bool set() const { return set_; }

  private:
    std::filesystem::path path_;
    bool set_;
};

void write(const std::filesystem::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

} // namespace

TEST(OldOutputFiles, AFileThatCannotBeRemovedIsEmptied) {
    TempDir dir;
    const auto folder = dir.path() / "locked";
    std::filesystem::create_directory(folder);
    write(folder / "SEF.txt", "old line\r\n");
    AvisoRecorder box;
    {
        const Immutable locked(folder); // its files cannot be removed, but can still be written
        if (!locked.set()) GTEST_SKIP() << "the file system has no immutable attribute";
        qv::Sessao s;
        qv::Inicia_SEF(s, dir.file("locked/SEF.txt"), dir.file("Erro.txt"), dir.file("Log.txt"));
        EXPECT_TRUE(qvtest::exists(folder / "SEF.txt"));
        EXPECT_EQ(readFile(folder / "SEF.txt"), "");
    }
    EXPECT_TRUE(box.messages().empty());
}

TEST(OldOutputFiles, AFileThatCannotBeRemovedNorEmptiedIsShown) {
    TempDir dir;
    write(dir.path() / "SEF.txt", "old line\r\n");
    AvisoRecorder box;
    {
        const Immutable locked(dir.path() / "SEF.txt");
        if (!locked.set()) GTEST_SKIP() << "the file system has no immutable attribute";
        qv::Sessao s;
        qv::Inicia_SEF(s, dir.file("SEF.txt"), dir.file("Erro.txt"), dir.file("Log.txt"));
        EXPECT_EQ(readFile(dir.path() / "SEF.txt"), "old line\r\n");
    }
    ASSERT_EQ(box.messages().size(), 1u);
    EXPECT_EQ(box.messages()[0], "Erro ao tentar apagar o arquivo " + dir.file("SEF.txt"));
}
