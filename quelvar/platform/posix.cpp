// POSIX implementation of the platform layer.
#include "platform/platform.hpp"

#include "format/encoding.hpp"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv::platform {

namespace {

// File names arrive as Windows-1252 bytes; the file system wants UTF-8. The last conversion is
// kept, since one session writes the same three names over and over.
const std::string& systemName(std::string_view name) {
    static std::string lastCp1252;
    static std::string lastUtf8;
    if (name != lastCp1252) {
        lastCp1252.assign(name);
        lastUtf8 = cp1252ToUtf8(name);
    }
    return lastUtf8;
}

std::function<void(std::string_view)>& avisoBox() {
    static std::function<void(std::string_view)> box;
    return box;
}

void defaultAviso(std::string_view text) {
    std::string line = cp1252ToUtf8(text);
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

} // namespace

bool fileExists(std::string_view name) {
    struct stat st {};
    return ::stat(systemName(name).c_str(), &st) == 0;
}

// Only what can be an old output file is removed: a regular file, or a symbolic link itself. A
// device, a named pipe or a socket given as a name (/dev/null for a log nobody wants) stays; the
// writers then append to it like to any file they could not remove.
bool deleteFile(std::string_view name) {
    const std::string& path = systemName(name);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return true;
    if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) return true;
    if (::unlink(path.c_str()) == 0) return true;
    // A file in a folder that forbids removal may still be writable: empty it.
    return S_ISREG(st.st_mode) && ::truncate(path.c_str(), 0) == 0;
}

bool appendToFile(std::string_view name, std::string_view bytes) {
    const int fd = ::open(systemName(name).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = true;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0) ok = false;
    return ok;
}

void aviso(std::string_view text) {
    auto& box = avisoBox();
    if (box)
        box(text);
    else
        defaultAviso(text);
}

void defineAviso(std::function<void(std::string_view)> box) {
    avisoBox() = std::move(box);
}

namespace {

// A locale object for one category from the environment, or the C locale when the environment
// names one that is not installed. Never changes the process's global locale.
class CategoryLocale {
  public:
    CategoryLocale(int mask) {
        loc_ = ::newlocale(mask, "", static_cast<locale_t>(0));
        if (loc_ == static_cast<locale_t>(0)) loc_ = ::newlocale(mask, "C", static_cast<locale_t>(0));
    }
    ~CategoryLocale() {
        if (loc_ != static_cast<locale_t>(0)) ::freelocale(loc_);
    }
    CategoryLocale(const CategoryLocale&) = delete;
    CategoryLocale& operator=(const CategoryLocale&) = delete;
    locale_t get() const { return loc_; }

  private:
    locale_t loc_ = static_cast<locale_t>(0);
};

std::string toCp1252OrAscii(std::string_view systemText) {
    if (auto cp = utf8ToCp1252(systemText)) return *cp;
    std::string out;
    for (const char c : systemText)
        if (static_cast<unsigned char>(c) < 0x80) out.push_back(c);
    return out;
}

} // namespace

Regional regional() {
    Regional r;
    {
        const CategoryLocale numeric(LC_NUMERIC_MASK);
        const char* radix = numeric.get() ? ::nl_langinfo_l(RADIXCHAR, numeric.get()) : nullptr;
        r.decimalSeparator = toCp1252OrAscii(radix && *radix ? radix : ".");
    }
    {
        const CategoryLocale time(LC_TIME_MASK);
        const char* fmt = time.get() ? ::nl_langinfo_l(D_FMT, time.get()) : nullptr;
        r.dateFormat = fmt && *fmt ? fmt : "%m/%d/%y";
    }
    return r;
}

std::string shortDate(const Regional& r, int year, int month, int day) {
    const CategoryLocale time(LC_TIME_MASK);
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    char buf[128];
    std::size_t n = 0;
    if (time.get() != static_cast<locale_t>(0))
        n = ::strftime_l(buf, sizeof buf, r.dateFormat.c_str(), &tm, time.get());
    else
        n = std::strftime(buf, sizeof buf, r.dateFormat.c_str(), &tm);
    return toCp1252OrAscii(std::string_view(buf, n));
}

} // namespace qv::platform
