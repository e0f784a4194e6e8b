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
