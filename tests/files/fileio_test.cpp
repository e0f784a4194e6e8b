#include "files/fileio.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"
#include "files/wingclipboard.h"
#include "files/textlines.h"
#include "model/planform.h"
#include "tempdir.h"

#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using tvtest::slurp;
using tvtest::spit;
using tvtest::TempDir;

class SafeWrite : public ::testing::Test {
protected:
    TempDir dir;
    std::string target = dir.file("plane.tv4");
    void SetUp() override { spit(target, "previous contents"); }
};

TEST_F(SafeWrite, ReplacesTheFileAndLeavesNoTemporaryBehind) {
    EXPECT_FALSE(tv::writeFileAtomically(target, "new contents"));
    EXPECT_EQ(slurp(target), "new contents");
    EXPECT_EQ(dir.entryCount(), 1u);
}

TEST(SafeWriteNames, NamesNearTheLengthLimitCanBeSaved) {
    std::string umlauts;
    for (int i = 0; i < 127; ++i) umlauts += "\xC3\xA4"; // 254 bytes of "ä"
    for (const std::string& name : {std::string(246, 'p') + ".tv4", std::string(251, 'q') + ".tv4", umlauts}) {
        TempDir dir;
        const std::string target = dir.file(name);
        spit(target, "previous contents");
        EXPECT_FALSE(tv::writeFileAtomically(target, "new contents")) << name.size();
        EXPECT_EQ(slurp(target), "new contents") << name.size();
        EXPECT_EQ(dir.entryCount(), 1u) << name.size();
    }
}

TEST_F(SafeWrite, ShortWritesStillWriteEverything) {
    tv::FileOps ops = tv::systemFileOps();
    ops.write = [](int fd, const void* buf, size_t n) { return ::write(fd, buf, n > 3 ? 3 : n); };
    const std::string bytes(10000, 'x');
    EXPECT_FALSE(tv::writeFileAtomically(target, bytes, ops));
    EXPECT_EQ(slurp(target), bytes);
}

// Each row makes one system call fail; the previous file must survive and the error name the target.
TEST_F(SafeWrite, AFailingStepKeepsThePreviousFileAndReportsTheReason) {
    struct Row {
        const char* step;
        int errnum;
        void (*inject)(tv::FileOps&, int);
    };
    const Row rows[] = {
        {"open", EACCES, [](tv::FileOps& o, int e) { o.open = [e](const char*, int, mode_t) { errno = e; return -1; }; }},
        {"write", ENOSPC, [](tv::FileOps& o, int e) { o.write = [e](int, const void*, size_t) -> ssize_t { errno = e; return -1; }; }},
        {"fsync", EIO, [](tv::FileOps& o, int e) { o.fsync = [e](int) { errno = e; return -1; }; }},
        {"close", EDQUOT, [](tv::FileOps& o, int e) {
             o.close = [e](int fd) { ::close(fd); errno = e; return -1; }; }},
        {"rename", EXDEV, [](tv::FileOps& o, int e) { o.rename = [e](const char*, const char*) { errno = e; return -1; }; }},
    };
    for (const Row& r : rows) {
        tv::FileOps ops = tv::systemFileOps();
        r.inject(ops, r.errnum);
        const auto err = tv::writeFileAtomically(target, "new contents", ops);
        ASSERT_TRUE(err) << r.step;
        // The folder that cannot take the temporary file is named, not the (writable) file.
        const std::string named = std::string(r.step) == "open" ? dir.path() : target;
        EXPECT_EQ(err->path, named) << r.step;
        EXPECT_EQ(err->reason, std::string(strerror(r.errnum))) << r.step;
        EXPECT_EQ(err->text(), named + ": " + strerror(r.errnum)) << r.step;
        EXPECT_EQ(slurp(target), "previous contents") << r.step;
        EXPECT_EQ(dir.entryCount(), 1u) << r.step << ": temporary file left behind";
    }
}

// A file without write permission is not replaced by any of the writers, the superuser's neither.
TEST_F(SafeWrite, AReadOnlyFileIsLeftAloneByEveryWriter) {
    const tv::Aircraft ac = tv::computeAircraft(tv::defaultAircraftTexts());
    const struct {
        const char* name;
        std::function<std::optional<tv::FileError>(const std::string&)> write;
    } rows[] = {
        {"locked.tv4", [&](const std::string& p) { return tv::writeProjectFile(p, ac, std::nullopt); }},
        {"Default.pa4", [](const std::string& p) { return tv::writeSettings(p, 'e', 800, 600, 0, 0); }},
        {"wingcopy.fl4", [&](const std::string& p) { return tv::writeWingClipboard(p, ac.Wings[1], std::nullopt); }},
        {"bytes", [](const std::string& p) { return tv::writeFileAtomically(p, "new contents"); }},
    };
    for (const auto& row : rows) {
        const std::string file = dir.file(row.name);
        spit(file, "previous contents");
        ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
        const auto err = row.write(file);
        ASSERT_TRUE(err) << row.name;
        EXPECT_TRUE(err->readOnly) << row.name;
        EXPECT_EQ(err->path, file) << row.name;
        EXPECT_EQ(slurp(file), "previous contents") << row.name;
    }
    EXPECT_EQ(dir.entryCount(), 1u + std::size(rows)) << "temporary file left behind";
}

TEST_F(SafeWrite, RealSystemRefusalsComeBackAsValues) {
    const auto missingDir = tv::writeFileAtomically(dir.file("no/such/dir/plane.tv4"), "x");
    ASSERT_TRUE(missingDir);
    EXPECT_EQ(missingDir->reason, strerror(ENOENT));

    // A directory in the target's place cannot be replaced by a file.
    ASSERT_EQ(::mkdir(dir.file("sub").c_str(), 0777), 0);
    spit(dir.file("sub/keep"), "kept");
    const auto overDirectory = tv::writeFileAtomically(dir.file("sub"), "x");
    ASSERT_TRUE(overDirectory);
    EXPECT_EQ(slurp(dir.file("sub/keep")), "kept");
}

TEST_F(SafeWrite, ALinkKeepsPointingAtTheSavedFileWhichKeepsItsPermissions) {
    ASSERT_EQ(::mkdir(dir.file("real").c_str(), 0777), 0);
    const std::string real = dir.file("real/plane.tv4");
    spit(real, "previous contents");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    const std::string link = dir.file("link.tv4");
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);

    EXPECT_FALSE(tv::writeFileAtomically(link, "new contents"));
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link was replaced by a copy";
    EXPECT_EQ(slurp(real), "new contents");
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(SafeWrite, UnwritableDirectoryKeepsThePreviousFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
    const auto err = tv::writeFileAtomically(target, "new contents");
    ::chmod(dir.path().c_str(), 0755);
    ASSERT_TRUE(err);
    EXPECT_EQ(err->reason, strerror(EACCES));
    EXPECT_EQ(slurp(target), "previous contents");
}

TEST(ReadFile, DistinguishesMissingFromFailing) {
    TempDir dir;
    EXPECT_EQ(tv::readFileBytes(dir.file("missing")).status, tv::ReadStatus::NotOpened);
    EXPECT_FALSE(tv::fileCanBeOpened(dir.file("missing")));

    const auto directory = tv::readFileBytes(dir.path());
    EXPECT_EQ(directory.status, tv::ReadStatus::Failed);
    EXPECT_EQ(directory.error.reason, strerror(EISDIR));

    spit(dir.file("f"), std::string("a\0b", 3));
    tv::FileOps ops = tv::systemFileOps();
    ops.read = [](int, void*, size_t) -> ssize_t { errno = EIO; return -1; };
    const auto failing = tv::readFileBytes(dir.file("f"), ops);
    EXPECT_EQ(failing.status, tv::ReadStatus::Failed);
    EXPECT_EQ(failing.error.text(), dir.file("f") + ": " + strerror(EIO));

    const auto ok = tv::readFileBytes(dir.file("f"));
    ASSERT_TRUE(ok.ok());
    EXPECT_EQ(ok.value, std::string("a\0b", 3));
}

TEST(ReadFile, AFileBeyondAMegabyteIsRefusedAsNoProject) {
    TempDir dir;
    for (const size_t size : {tv::kMaxReadBytes, tv::kMaxReadBytes + 1, size_t{66} << 20}) {
        spit(dir.file("f"), std::string(size, '\n'));
        const auto r = tv::readFileBytes(dir.file("f"));
        const bool fits = size <= (size_t{1} << 20);
        EXPECT_EQ(r.ok(), fits) << size;
        if (fits) continue;
        EXPECT_TRUE(r.error.tooLarge) << size;
        EXPECT_EQ(r.error.text(), dir.file("f") + " is too large to be a Tarvolin4 project (more than 1 MB)");
    }
    EXPECT_FALSE(tv::readFileBytes(dir.path()).error.tooLarge) << "a read error is no size refusal";
}

TEST(ReadFile, APipeInThePlaceOfAFileDoesNotHang) {
    TempDir dir;
    const std::string fifo = dir.file("wingcopy.fl4");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ::alarm(10); // a regression ends the program instead of hanging the test run
    EXPECT_TRUE(tv::fileCanBeOpened(fifo));
    const auto r = tv::readFileBytes(fifo);
    ::alarm(0);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.value, "");
}

TEST(SplitLines, AcceptsEveryLineEnd) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(tv::splitLines(""), V{});
    EXPECT_EQ(tv::splitLines("a\r\n\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(tv::splitLines("a\nb\rc\r\n"), (V{"a", "b", "c"}));
    EXPECT_EQ(tv::splitLines("\r\n"), V{""});
    // Ends of both kinds far apart and mixed: the cursor remembers where it found each.
    EXPECT_EQ(tv::splitLines("a\rb\rc\nd\n\re\r\rf\n\ng"), (V{"a", "b", "c", "d", "", "e", "", "f", "", "g"}));
    EXPECT_EQ(tv::splitLines("x\n\n\ny\rz"), (V{"x", "", "", "y", "z"}));
    tv::LineCursor cursor("a\rb");
    EXPECT_EQ(cursor.next(), "a");
    EXPECT_EQ(cursor.next(), "b");
    EXPECT_EQ(cursor.next(), std::nullopt);
    EXPECT_EQ(cursor.next(), std::nullopt) << "the end stays the end";
}

} // namespace
