// Whole-file reading and the safe write: the old file survives every failed write, and
// only ordinary files are ever replaced.
#include "text/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "test_support.h"

namespace kawaban {
namespace {

using test::Slurp;
using test::Spit;
using test::TempDir;

// The names in the folder: a failed or finished write leaves no temporary file behind.
std::set<std::string> Names(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(ReadWholeFile, ReadsExactBytesAndRefusesWhatIsNoFile) {
    TempDir dir;
    const std::string bytes("a\r\nソ\0\x1A\xFF\n", 9);
    Spit(dir.File("f.dat"), bytes);
    std::string out = "old";
    ASSERT_TRUE(ReadWholeFile(dir.File("f.dat"), out));
    EXPECT_EQ(out, bytes);  // binary: CR LF, NUL and Ctrl-Z stay as they are

    out = "old";
    EXPECT_FALSE(ReadWholeFile(dir.File("missing.dat"), out));
    EXPECT_FALSE(ReadWholeFile(dir.Path().string(), out));  // a folder
    EXPECT_FALSE(ReadWholeFile(dir.File("f.dat"), out, 8));  // larger than allowed
    EXPECT_EQ(out, "old");
    EXPECT_TRUE(ReadWholeFile(dir.File("f.dat"), out, 9));
#ifndef _WIN32
    out = "old";
    EXPECT_FALSE(ReadWholeFile("/dev/zero", out, 1 << 20));  // endless: stops at the limit
    EXPECT_EQ(out, "old");
#endif
}

TEST(WriteFileAtomically, WritesAndReplaces) {
    TempDir dir;
    const std::string path = dir.File("w.dat");
    ASSERT_TRUE(WriteFileAtomically(path, "first\r\n"));
    EXPECT_EQ(Slurp(path), "first\r\n");
    ASSERT_TRUE(WriteFileAtomically(path, std::string("second\0", 7)));
    EXPECT_EQ(Slurp(path), std::string("second\0", 7));
    ASSERT_TRUE(WriteFileAtomically(path, ""));
    EXPECT_EQ(Slurp(path), "");
    EXPECT_EQ(Names(dir), std::set<std::string>{"w.dat"});
}

TEST(WriteFileAtomically, NeverOverwritesAnotherFileOnTheWay) {
    TempDir dir;
    const std::string path = dir.File("w.dat");
    Spit(path + ".~1", "left by an earlier crash");
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(Slurp(path), "new");
    EXPECT_EQ(Slurp(path + ".~1"), "left by an earlier crash");
    EXPECT_EQ(Names(dir), (std::set<std::string>{"w.dat", "w.dat.~1"}));
}

TEST(WriteFileAtomically, FailsCleanlyWhereNothingCanBeWritten) {
    TempDir dir;
    EXPECT_FALSE(WriteFileAtomically(dir.File("no-such-folder/x.dat"), "x"));
    // The target is a folder: it is left alone.
    std::filesystem::create_directory(dir.Path() / "sub");
    EXPECT_FALSE(WriteFileAtomically(dir.File("sub"), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "sub"));
    EXPECT_EQ(Names(dir), std::set<std::string>{"sub"});
}

#ifdef _WIN32
TEST(WriteFileAtomically, RefusesAReadOnlyFile) {
    TempDir dir;
    const std::string path = dir.File("r.dat");
    Spit(path, "old");
    std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    EXPECT_FALSE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(Slurp(path), "old");
    std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    EXPECT_EQ(Names(dir), std::set<std::string>{"r.dat"});
}
#else
TEST(WriteFileAtomically, WritesThroughALinkAndKeepsPermissions) {
    TempDir dir;
    const std::string real = dir.File("real.dat");
    Spit(real, "old");
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    ASSERT_EQ(symlink("real.dat", dir.File("link.dat").c_str()), 0);
    ASSERT_TRUE(WriteFileAtomically(dir.File("link.dat"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "link.dat"));
    EXPECT_EQ(Slurp(real), "new");
    struct stat info;
    ASSERT_EQ(stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(Names(dir), (std::set<std::string>{"link.dat", "real.dat"}));
}

TEST(WriteFileAtomically, RefusesWhatIsNoOrdinaryFile) {
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(WriteFileAtomically(dir.File("pipe"), "x"));
    ASSERT_EQ(symlink("missing.dat", dir.File("dangling").c_str()), 0);
    EXPECT_FALSE(WriteFileAtomically(dir.File("dangling"), "x"));
    EXPECT_EQ(Names(dir), (std::set<std::string>{"dangling", "pipe"}));
}

// A write that fails part way (here: the file-size limit, as a full disk would) leaves the
// old file whole and no temporary file behind: whether it fails in fwrite (large) or only
// when the buffered rest is flushed (small).
TEST(WriteFileAtomically, FailedWriteKeepsTheOldFile) {
    for (std::size_t size : {std::size_t(1000), std::size_t(1) << 20}) {
        TempDir dir;
        const std::string path = dir.File("words.dat");
        Spit(path, "old words\r\n");

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 64;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written = WriteFileAtomically(path, std::string(size, 'x'));
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
        std::signal(SIGXFSZ, SIG_DFL);

        EXPECT_FALSE(written) << size;
        EXPECT_EQ(Slurp(path), "old words\r\n") << size;
        EXPECT_EQ(Names(dir), std::set<std::string>{"words.dat"}) << size;
    }
}
#endif

}  // namespace
}  // namespace kawaban
