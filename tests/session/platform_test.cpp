// The platform layer that the session writes through: file names, appending, removal, the
// message box and the regional settings.
#include "platform/platform.hpp"
#include "support/support.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <fstream>
#include <sys/stat.h>

namespace {

using namespace qvtest;
namespace fs = std::filesystem;
namespace platform = qv::platform;

TEST(PlatformFiles, NamesArriveAsWindows1252AndReachTheDiskAsUtf8) {
    TempDir dir;
    const std::string name = dir.file("Relat\xC3\xB3rio de a\xC3\xA7\xC3\xA3o.txt"); // UTF-8 in the source
    ASSERT_NE(name.find("Relat\xF3rio de a\xE7\xE3o.txt"), std::string::npos);       // Windows-1252 bytes

    EXPECT_FALSE(platform::fileExists(name));
    EXPECT_TRUE(platform::appendToFile(name, "a\r\n"));
    EXPECT_TRUE(platform::appendToFile(name, "b\r\n"));
    const fs::path onDisk = dir.path() / "Relat\xC3\xB3rio de a\xC3\xA7\xC3\xA3o.txt";
    EXPECT_EQ(readFile(onDisk), "a\r\nb\r\n");
    EXPECT_TRUE(platform::fileExists(name));

    platform::deleteFile(name);
    EXPECT_FALSE(fs::exists(onDisk));
    EXPECT_FALSE(platform::fileExists(name));
    platform::deleteFile(name); // a missing file: nothing happens
}

TEST(PlatformFiles, AppendFailsWhereNoFileCanBeWritten) {
    TempDir dir;
    {
        std::ofstream out(dir.path() / "plain", std::ios::binary);
        out << "x";
    }
    // Each of these fails for root too.
    for (const std::string& name :
         {dir.file("missing/out.txt"), dir.file("plain/out.txt"), std::string("/dev/full")}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(platform::appendToFile(name, "line\r\n"));
    }
    EXPECT_EQ(readFile(dir.path() / "plain"), "x");
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));
}

// Removing an old output file must never take away something that is not one: a named pipe or a
// device given as a name (such as /dev/null for a log nobody wants) stays.
TEST(PlatformFiles, DeleteLeavesSpecialFilesAlone) {
    TempDir dir;
    const fs::path pipe = dir.path() / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    platform::deleteFile(dir.file("pipe"));
    EXPECT_TRUE(fs::is_fifo(pipe));

    // A symbolic link is removed itself, and what it points at stays.
    const fs::path target = dir.path() / "target";
    {
        std::ofstream out(target, std::ios::binary);
        out << "x";
    }
    fs::create_symlink(target, dir.path() / "link");
    platform::deleteFile(dir.file("link"));
    EXPECT_FALSE(fs::is_symlink(fs::symlink_status(dir.path() / "link")));
    EXPECT_EQ(readFile(target), "x");
}

TEST(PlatformAviso, DefaultBoxWritesOneUtf8LineOnStandardError) {
    TempDir dir;
    StderrCapture err(dir.path() / "stderr");
    platform::aviso("Erro ao tentar escrever no arquivo a\xE7\xE3o.txt");
    EXPECT_EQ(err.finish(), "Erro ao tentar escrever no arquivo a\xC3\xA7\xC3\xA3o.txt\n");
}

TEST(PlatformAviso, AnInstalledBoxReceivesTheWindows1252TextUntilRemoved) {
    TempDir dir;
    std::vector<std::string> shown;
    platform::defineAviso([&shown](std::string_view text) { shown.emplace_back(text); });
    StderrCapture err(dir.path() / "stderr");
    platform::aviso("a\xE7\xE3o");
    platform::defineAviso({});
    platform::aviso("depois");
    EXPECT_EQ(shown, std::vector<std::string>{"a\xE7\xE3o"});
    EXPECT_EQ(err.finish(), "depois\n");
}

// The locale environment decides the decimal separator and the short date: LC_ALL first, then
// LC_NUMERIC (LC_TIME), then LANG; a name that is not installed gives the C settings.
TEST(PlatformRegional, SeparatorAndShortDateFollowTheLocaleEnvironment) {
    struct Case {
        const char *all, *numeric, *time, *lang;
        const char* separator;
        const char* date; // 31 December 2005
    };
    const char* pt = "pt_BR.UTF-8";
    const char* none = nullptr;
    const Case cases[] = {
        {pt, none, none, none, ",", "31/12/2005"},
        {"C", none, none, none, ".", "12/31/05"},
        {"C", pt, pt, pt, ".", "12/31/05"}, // LC_ALL overrides the rest
        {pt, "C", "C", "C", ",", "31/12/2005"},
        {none, pt, "C", "C", ",", "12/31/05"},
        {none, "C", pt, "C", ".", "31/12/2005"},
        {none, none, none, pt, ",", "31/12/2005"},
        {none, none, none, none, ".", "12/31/05"},
        {"", none, none, pt, ",", "31/12/2005"},            // an empty LC_ALL is no setting
        {"xx_YY.UTF-8", none, none, none, ".", "12/31/05"}, // not installed
        {"xx_YY.UTF-8", pt, pt, pt, ".", "12/31/05"},
    };
    const std::string globalBefore = std::setlocale(LC_ALL, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "LC_ALL=" << (c.all ? c.all : "-") << " LC_NUMERIC=" << (c.numeric ? c.numeric : "-")
                     << " LC_TIME=" << (c.time ? c.time : "-") << " LANG=" << (c.lang ? c.lang : "-"));
        EnvGuard all("LC_ALL", c.all), numeric("LC_NUMERIC", c.numeric), time("LC_TIME", c.time),
            lang("LANG", c.lang);
        const platform::Regional r = platform::regional();
        EXPECT_EQ(r.decimalSeparator, c.separator);
        EXPECT_EQ(platform::shortDate(r, 2005, 12, 31), c.date);
    }
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), globalBefore);
}

TEST(PlatformRegional, BrazilianShortDateKeepsTwoDigitDayAndMonth) {
    LocaleEnv pt("pt_BR.UTF-8");
    const platform::Regional r = platform::regional();
    EXPECT_EQ(platform::shortDate(r, 2005, 1, 1), "01/01/2005");
    EXPECT_EQ(platform::shortDate(r, 2004, 2, 29), "29/02/2004");
}

} // namespace
