// Where an output goes: a regular file is replaced, a device or pipe written into, "-" is
// standard output, and an output that is an input of the run (or, for an export, a project) is
// refused. No row touches the machine's own /dev nodes: the device is a pseudo-terminal, the
// pipe a FIFO in a temporary folder.
#include "files/fileio.h"
#include "files/output_target.h"
#include "files/projectfile.h"
#include "model/planform.h"
#include "tempdir.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

using tvtest::slurp;
using tvtest::spit;
using tvtest::TempDir;

/// A pseudo-terminal pair: writes to the terminal side (a character device) are read at the
/// controlling side.
struct PseudoTerminal {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    std::string slave;
    PseudoTerminal() {
        if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0) slave = ::ptsname(master);
    }
    ~PseudoTerminal() { ::close(master); }
    std::string readAvailable() const {
        std::string got;
        char buf[256];
        ::fcntl(master, F_SETFL, O_NONBLOCK);
        for (int tries = 0; tries < 100 && got.find("end") == std::string::npos; ++tries) {
            const ssize_t n = ::read(master, buf, sizeof buf);
            if (n > 0) got.append(buf, size_t(n));
            else ::usleep(10000);
        }
        return got;
    }
};

mode_t typeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

TEST(OutputTarget, ADeviceIsWrittenIntoAndStaysADevice) {
    PseudoTerminal pty;
    ASSERT_FALSE(pty.slave.empty());
    TempDir dir;
    const std::string link = dir.file("terminal");
    ASSERT_EQ(::symlink(pty.slave.c_str(), link.c_str()), 0);
    for (const std::string& target : {pty.slave, link}) {
        ASSERT_FALSE(tv::writeFileAtomically(target, "line end\n")) << target;
        EXPECT_NE(pty.readAvailable().find("line end"), std::string::npos) << target;
        EXPECT_EQ(typeOf(pty.slave), mode_t(S_IFCHR));
    }
    EXPECT_EQ(dir.entryCount(), 1u) << "no temporary beside the link";
}

TEST(OutputTarget, APipeIsWrittenIntoAndStaysAPipe) {
    TempDir dir;
    const std::string fifo = dir.file("loads.csv");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string got;
    std::thread reader([&] { got = slurp(fifo); });
    ::alarm(10); // a writer that replaced the pipe would leave the reader waiting
    const auto err = tv::writeFileAtomically(fifo, std::string(100000, 'x'));
    reader.join();
    ::alarm(0);
    EXPECT_FALSE(err);
    EXPECT_EQ(got.size(), 100000u);
    EXPECT_EQ(typeOf(fifo), mode_t(S_IFIFO));
    EXPECT_EQ(dir.entryCount(), 1u);
}

TEST(OutputTarget, NeitherFileNorDeviceNorPipeIsRefusedAndKept) {
    TempDir dir;
    const std::string socketPath = dir.file("socket");
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof addr.sun_path);
    socketPath.copy(addr.sun_path, socketPath.size());
    ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    EXPECT_TRUE(tv::writeFileAtomically(socketPath, "x"));
    EXPECT_EQ(typeOf(socketPath), mode_t(S_IFSOCK));
    ::close(s);
}

TEST(OutputTarget, DashIsStandardOutput) {
    tv::FileOps ops = tv::systemFileOps();
    int fdSeen = -1;
    std::string written;
    ops.write = [&](int fd, const void* buf, size_t n) {
        fdSeen = fd;
        written.append(static_cast<const char*>(buf), n);
        return ssize_t(n);
    };
    EXPECT_FALSE(tv::writeOutputFile("-", "a,b\r\n", ops));
    EXPECT_EQ(fdSeen, STDOUT_FILENO);
    EXPECT_EQ(written, "a,b\r\n");
    ops.write = [](int, const void*, size_t) -> ssize_t { errno = ENOSPC; return -1; };
    const auto err = tv::writeOutputFile("-", "a,b\r\n", ops);
    ASSERT_TRUE(err);
    EXPECT_EQ(err->text(), std::string("standard output: ") + strerror(ENOSPC));
}

// Every kind of output place against the rule; `inputs` are the files read in the same run.
TEST(OutputTarget, AnOutputThatIsAnInputOrAProjectIsRefused) {
    TempDir dir;
    PseudoTerminal pty;
    const std::string project = dir.file("plane.tv4");
    ASSERT_FALSE(tv::writeProjectFile(project, tv::computeAircraft(tv::defaultAircraftTexts()), std::nullopt));
    spit(dir.file("other.da4"), "read as input\r\n");
    spit(dir.file("plain.csv"), "old table\r\n");
    spit(dir.file("locked.csv"), "old table\r\n");
    ::chmod(dir.file("locked.csv").c_str(), 0444);
    ::symlink(project.c_str(), dir.file("link.tv4").c_str());
    ::symlink(dir.file("plain.csv").c_str(), dir.file("link.csv").c_str());
    ::link(dir.file("other.da4").c_str(), dir.file("hard.csv").c_str());
    ::mkfifo(dir.file("fifo").c_str(), 0600);

    using R = tv::OutputRefusal::Reason;
    using K = tv::OutputKind;
    const struct Row {
        std::string output;
        std::vector<std::string> inputs;
        K kind;
        std::optional<R> refused;
        std::string input; // named by the refusal
    } rows[] = {
        {project, {}, K::Export, R::ReplacesProject, project},          // the output name forgotten
        {project, {project}, K::Export, R::IsInput, project},
        {project, {project}, K::Project, R::IsInput, project},
        {project, {}, K::Project, std::nullopt, ""},                    // saving the project itself
        {dir.file("link.tv4"), {project}, K::Export, R::IsInput, project},
        {project, {dir.file("link.tv4")}, K::Project, R::IsInput, dir.file("link.tv4")},
        {dir.file("hard.csv"), {dir.file("other.da4")}, K::Export, R::IsInput, dir.file("other.da4")},
        {dir.file("link.csv"), {project}, K::Export, std::nullopt, ""}, // a link to a plain file
        {dir.file("plain.csv"), {project}, K::Export, std::nullopt, ""},
        {dir.file("locked.csv"), {project}, K::Export, std::nullopt, ""}, // the writer refuses it
        {dir.file("new.csv"), {project}, K::Export, std::nullopt, ""},
        {dir.file("fifo"), {dir.file("fifo")}, K::Export, std::nullopt, ""},
        {pty.slave, {pty.slave}, K::Export, std::nullopt, ""},
        {"-", {project}, K::Export, std::nullopt, ""},
    };
    for (const Row& r : rows) {
        const auto got = tv::outputRefusal(r.output, r.inputs, r.kind);
        ASSERT_EQ(got.has_value(), r.refused.has_value()) << r.output;
        if (!got) continue;
        EXPECT_EQ(got->reason, *r.refused) << r.output;
        EXPECT_EQ(got->output, r.output);
        EXPECT_EQ(got->input, r.input) << r.output;
    }
}

TEST(OutputTarget, APipeOrDeviceIsNoProjectToRead) {
    TempDir dir;
    PseudoTerminal pty;
    ::mkfifo(dir.file("fifo.tv4").c_str(), 0600);
    ::alarm(10);
    for (const std::string& path : {dir.file("fifo.tv4"), pty.slave}) {
        const auto r = tv::readProjectFile(path);
        EXPECT_EQ(r.status, tv::ReadStatus::Failed) << path;
        EXPECT_EQ(r.error.text(), path + ": not a regular file");
    }
    ::alarm(0);
}

} // namespace

namespace {

/// A file of the scratch folder opened for appending (as a shell's ">>" opens standard output),
/// holding "precious\n"; closed with the fixture.
struct AppendedFile {
    tvtest::TempDir dir;
    std::string path = dir.file("log.txt");
    int fd = -1;
    AppendedFile() {
        tvtest::spit(path, "precious\n");
        fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    }
    ~AppendedFile() { ::close(fd); }
};

// A name that leads to one of the process's open descriptors is that descriptor's file as it was
// opened: appended to, never replaced by a new file.
TEST(OutputTarget, ANameOfAnOpenDescriptorIsWrittenThroughIt) {
    AppendedFile log;
    ASSERT_GE(log.fd, 0);
    const std::string byNumber = "/proc/self/fd/" + std::to_string(log.fd);
    const std::string link = log.dir.file("out.csv");
    ASSERT_EQ(::symlink(byNumber.c_str(), link.c_str()), 0);
    struct stat before {};
    ::stat(log.path.c_str(), &before);
    EXPECT_EQ(tv::descriptorNamedBy(byNumber), log.fd);
    EXPECT_EQ(tv::descriptorNamedBy(link), log.fd);
    EXPECT_EQ(tv::descriptorNamedBy(log.path), std::nullopt) << "the file's own name is a file";
    EXPECT_FALSE(tv::writeOutputFile(byNumber, "a,b\n"));
    EXPECT_FALSE(tv::writeFileAtomically(link, "c,d\n"));
    EXPECT_EQ(slurp(log.path), "precious\na,b\nc,d\n");
    struct stat after {};
    ::stat(log.path.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the same file, not a replacement";
    EXPECT_EQ(log.dir.entryCount(), 2u);

    const int readOnly = ::open(log.path.c_str(), O_RDONLY | O_CLOEXEC);
    const auto err = tv::writeOutputFile("/proc/self/fd/" + std::to_string(readOnly), "x");
    ::close(readOnly);
    EXPECT_TRUE(err) << "a descriptor opened for reading takes nothing";
    EXPECT_EQ(slurp(log.path), "precious\na,b\nc,d\n");
}

// The rule is applied again when the bytes are written: a link made after the first check, to an
// input or a project, is refused then and the file it names kept.
TEST(OutputTarget, ALinkMadeAfterTheCheckIsRefusedWhenWriting) {
    TempDir dir;
    const std::string project = dir.file("plane.tv4");
    const std::string other = dir.file("other.tv4");
    ASSERT_FALSE(tv::writeProjectFile(project, tv::computeAircraft(tv::defaultAircraftTexts()), std::nullopt));
    ASSERT_FALSE(tv::writeProjectFile(other, tv::computeAircraft(tv::defaultAircraftTexts()), std::nullopt));
    const std::string projectBytes = slurp(project);
    const std::string out = dir.file("out.csv");
    const tv::OutputRule rule({project}, tv::OutputKind::Export);
    for (const std::string& swappedIn : {project, other}) {
        ASSERT_FALSE(rule.refusal(out)) << "nothing there yet";
        ASSERT_EQ(::symlink(swappedIn.c_str(), out.c_str()), 0);
        const auto err = tv::writeOutputFile(out, "a,b\n", tv::systemFileOps(), rule.atWriting(out, tv::UiLanguage::English));
        ASSERT_TRUE(err) << swappedIn;
        EXPECT_NE(err->text().find("not written"), std::string::npos) << err->text();
        EXPECT_EQ(slurp(swappedIn), projectBytes);
        ::unlink(out.c_str());
    }
    // The swap between the writer's own look at the name and the replace: the replace takes the
    // name's place and never the project's.
    tv::FileOps ops = tv::systemFileOps();
    ops.fsync = [&](int fd) {
        ::symlink(project.c_str(), out.c_str());
        return ::fsync(fd);
    };
    (void)tv::writeOutputFile(out, "a,b\n", ops, rule.atWriting(out, tv::UiLanguage::English));
    EXPECT_EQ(slurp(project), projectBytes);
    EXPECT_EQ(dir.entryCount(), 3u) << "no temporary left";
}

// A folder, or a name ending in "/", is no file to write: refused with the reason, nothing made.
TEST(OutputTarget, AFolderNameIsRefused) {
    TempDir dir;
    ::mkdir(dir.file("d").c_str(), 0700);
    ::symlink(dir.file("d").c_str(), dir.file("link").c_str());
    for (const std::string& name : {dir.file("d"), dir.file("d/"), dir.file("link"), dir.file("new/")}) {
        const auto refusal = tv::outputRefusal(name, {}, tv::OutputKind::Export);
        ASSERT_TRUE(refusal) << name;
        EXPECT_EQ(refusal->reason, tv::OutputRefusal::Reason::Folder) << name;
        EXPECT_NE(tv::outputRefusalText(tv::UiLanguage::English, *refusal).find("folder"), std::string::npos);
        const auto err = tv::writeOutputFile(name, "x");
        ASSERT_TRUE(err) << name;
        EXPECT_NE(err->text().find("folder"), std::string::npos) << err->text();
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("d")), {}), 0) << "no hidden file inside";
    EXPECT_EQ(dir.entryCount(), 2u);
}

// Whether a file is a project is seen from its first bytes, whatever its size: an export does not
// replace a project of more than a megabyte.
TEST(OutputTarget, ALargeProjectIsStillAProject) {
    TempDir dir;
    const std::string big = dir.file("big.tv4");
    tv::Aircraft a = tv::computeAircraft(tv::defaultAircraftTexts());
    a.Comment = std::string(tv::kMaxReadBytes + 1000, 'r');
    spit(big, tv::projectFileBytes(a, std::nullopt));
    spit(dir.file("big.csv"), std::string(tv::kMaxReadBytes + 1000, ','));
    EXPECT_TRUE(tv::isProjectFile(big));
    EXPECT_FALSE(tv::isProjectFile(dir.file("big.csv")));
    const auto refusal = tv::outputRefusal(big, {}, tv::OutputKind::Export);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->reason, tv::OutputRefusal::Reason::ReplacesProject);
    EXPECT_FALSE(tv::outputRefusal(dir.file("big.csv"), {}, tv::OutputKind::Export));
}

} // namespace
