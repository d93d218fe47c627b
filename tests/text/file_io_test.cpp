// Whole-file reading and the safe write: the old file survives every failed write.
#include "text/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

#include "test_support.h"

namespace kawaban {
namespace {

using test::Slurp;
using test::Spit;
using test::TempDir;

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
    EXPECT_EQ(out, "old");
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
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
}

TEST(WriteFileAtomically, FailsCleanlyWhereNothingCanBeWritten) {
    TempDir dir;
    EXPECT_FALSE(WriteFileAtomically(dir.File("no-such-folder/x.dat"), "x"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "no-such-folder"));

    // The target is a folder: the temporary file is written, but cannot replace it.
    std::filesystem::create_directory(dir.Path() / "sub");
    EXPECT_FALSE(WriteFileAtomically(dir.File("sub"), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "sub"));
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(dir.File("sub"))));
}

#ifndef _WIN32
// A write that fails part way (here: the file-size limit, as a full disk would) leaves the
// old file whole and no temporary file behind.
TEST(WriteFileAtomically, FailedWriteKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.File("words.dat");
    Spit(path, "old words\r\n");

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteFileAtomically(path, std::string(1 << 20, 'x'));
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_FALSE(written);
    EXPECT_EQ(Slurp(path), "old words\r\n");
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
}
#endif

}  // namespace
}  // namespace kawaban
