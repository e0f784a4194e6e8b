// Where the batch calculator's exports go: every export kind against every kind of place. The
// device is a pseudo-terminal and the pipe a FIFO in a temporary folder, never the machine's own
// /dev nodes (a writer that replaced its target would replace them).
#include "report/text_report.h"

#include <atomic>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

/// Runs the batch calculator through the shell; standard output and error into files of `dir`.
int runCalc(const fs::path& dir, const std::string& args) {
    const std::string cmd = "cd '" + dir.string() + "' && exec timeout 120 " + TV_CALC_EXE + " " + args +
                            " >stdout.txt 2>stderr.txt";
    const int raw = std::system(cmd.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

mode_t typeOf(const fs::path& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

class Outputs : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("tv_outputs_" + std::to_string(::getpid()));
    fs::path project = dir / "plane.tv4";
    std::string projectBytes;
    void SetUp() override {
        fs::create_directories(dir);
        fs::copy_file(fs::path(TV_TEST_DATA) / "../../examples/glider-2m.tv4", project);
        projectBytes = slurp(project);
    }
    void TearDown() override { fs::remove_all(dir); }
};

struct Kind {
    const char* option;
    const char* firstBytes; // what the export starts with
};
const Kind kKinds[] = {{"--csv", "wing,strip,"}, {"--avl", "plane\n"}};

// The project as the output (its name taken for the output's) or as an input of the same run,
// also through a link: refused, exit 2, the project unchanged, nothing calculated.
TEST_F(Outputs, AnExportOverTheProjectIsRefused) {
    fs::create_symlink(project, dir / "link.tv4");
    for (const Kind& k : kKinds) {
        const std::string o = k.option;
        for (const std::string& args : {o + " plane.tv4", o + " plane.tv4 plane.tv4", o + " link.tv4 plane.tv4",
                                       o + " plane.tv4 link.tv4"}) {
            EXPECT_EQ(runCalc(dir, args), 2) << args;
            EXPECT_EQ(slurp(project), projectBytes) << args;
            const std::string err = slurp(dir / "stderr.txt");
            EXPECT_NE(err.find(": not written, it is"), std::string::npos) << args << ": " << err;
            EXPECT_NE(err.find("plane.tv4"), std::string::npos) << args;
            EXPECT_EQ(slurp(dir / "stdout.txt"), "") << args;
        }
    }
}

TEST_F(Outputs, DashIsStandardOutputWithoutTheReport) {
    for (const Kind& k : kKinds) {
        EXPECT_EQ(runCalc(dir, std::string(k.option) + " - plane.tv4"), 0) << k.option;
        EXPECT_EQ(slurp(dir / "stdout.txt").rfind(k.firstBytes, 0), 0u) << k.option;
    }
    EXPECT_EQ(runCalc(dir, "--avl - --csv - plane.tv4"), 2);
}

TEST_F(Outputs, ALinkIsFollowedAndAReadOnlyFileKept) {
    for (const Kind& k : kKinds) {
        const fs::path real = dir / "real.out", link = dir / "link.out", locked = dir / "locked.out";
        std::ofstream(real) << "old";
        std::ofstream(locked) << "old";
        fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        fs::create_symlink(real, link);
        EXPECT_EQ(runCalc(dir, std::string(k.option) + " link.out plane.tv4"), 0) << k.option;
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(slurp(real).rfind(k.firstBytes, 0), 0u) << k.option;
        EXPECT_EQ(runCalc(dir, std::string(k.option) + " locked.out plane.tv4"), 2) << k.option;
        EXPECT_EQ(slurp(locked), "old");
        fs::remove(real), fs::remove(link), fs::remove(locked);
    }
}

TEST_F(Outputs, APipeAndATerminalAreWrittenInto) {
    for (const Kind& k : kKinds) {
        const fs::path fifo = dir / "fifo";
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        std::string fromPipe;
        std::thread reader([&] { fromPipe = slurp(fifo); });
        EXPECT_EQ(runCalc(dir, std::string(k.option) + " fifo plane.tv4"), 0) << k.option;
        reader.join();
        EXPECT_EQ(fromPipe.rfind(k.firstBytes, 0), 0u) << k.option;
        EXPECT_EQ(typeOf(fifo), mode_t(S_IFIFO));
        fs::remove(fifo);

        const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_TRUE(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const std::string terminal = ::ptsname(master);
        std::string fromTerminal;
        std::atomic<bool> done{false};
        std::thread drain([&] {
            ::fcntl(master, F_SETFL, O_NONBLOCK);
            char buf[4096];
            while (!done) {
                const ssize_t n = ::read(master, buf, sizeof buf);
                if (n > 0) fromTerminal.append(buf, size_t(n));
                else ::usleep(1000);
            }
        });
        EXPECT_EQ(runCalc(dir, std::string(k.option) + " " + terminal + " plane.tv4"), 0) << k.option;
        ::usleep(50000);
        done = true;
        drain.join();
        EXPECT_EQ(typeOf(terminal), mode_t(S_IFCHR));
        ::close(master);
        EXPECT_NE(fromTerminal.find(k.firstBytes[0] == 'w' ? "wing,strip," : "plane\r\n"), std::string::npos)
            << k.option; // the terminal turns line ends into CR LF
    }
}

// Standard output appended to a log, and the export named by standard output's descriptor: the
// export is added to the log (without the report), the log's earlier lines stay.
TEST_F(Outputs, AnExportToStandardOutputsNameAppendsToItsFile) {
    for (const Kind& k : kKinds) {
        for (const char* name : {"/dev/stdout", "/dev/fd/1", "/proc/self/fd/1"}) {
            std::ofstream(dir / "log.txt") << "precious\n";
            const std::string cmd = "cd '" + dir.string() + "' && exec timeout 120 " + TV_CALC_EXE + " " + k.option +
                                    " " + name + " plane.tv4 >>log.txt 2>stderr.txt";
            const int raw = std::system(cmd.c_str());
            EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 0) << name << ": " << slurp(dir / "stderr.txt");
            const std::string log = slurp(dir / "log.txt");
            EXPECT_EQ(log.rfind(std::string("precious\n") + k.firstBytes, 0), 0u) << name << ": " << log.substr(0, 40);
            EXPECT_EQ(log.find("Neutral point"), std::string::npos) << name;
        }
    }
    EXPECT_EQ(runCalc(dir, "--avl /dev/stdout --csv - plane.tv4"), 2);
}

// A folder is no place for an export: refused before the calculation, nothing made inside it.
TEST_F(Outputs, AFolderNameIsRefused) {
    fs::create_directory(dir / "d");
    for (const Kind& k : kKinds) {
        for (const char* name : {"d", "d/", "new/"}) {
            EXPECT_EQ(runCalc(dir, std::string(k.option) + " " + name + " plane.tv4"), 2) << name;
            EXPECT_NE(slurp(dir / "stderr.txt").find("names a folder"), std::string::npos) << name;
            EXPECT_EQ(slurp(dir / "stdout.txt"), "") << name;
        }
    }
    EXPECT_TRUE(fs::is_empty(dir / "d"));
    EXPECT_FALSE(fs::exists(dir / "new"));
}

// A project's texts with terminal commands (title, clear screen, colours) and NUL reach the text
// report as visible escapes: its output holds no control character but its line ends.
TEST_F(Outputs, ControlCodesFromTheProjectAreShownNotSent) {
    std::string bytes = projectBytes;
    const std::string block = std::string(" <balance>\r\n  <my_cg>\x1b[2J25</my_cg>\r\n") +
                              "  <my_cg_input>aircraft</my_cg_input>\r\n  <balance_item>\r\n   <item_name>\x1b]0;pwned\x07" +
                              std::string("\0", 1) + "\x1b[31mLead</item_name>\r\n   <item_mass>x</item_mass>\r\n"
                              "   <item_x>10</item_x>\r\n  </balance_item>\r\n </balance>\r\n";
    bytes.insert(bytes.find(" <comment>"), block);
    std::ofstream(dir / "esc.tv4", std::ios::binary) << bytes;
    runCalc(dir, "esc.tv4");
    const std::string out = slurp(dir / "stdout.txt");
    for (char c : out) EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n') << int(c);
    EXPECT_NE(out.find("\\x1B]0;pwned\\x07\\x00\\x1B[31mLead"), std::string::npos) << out;
    EXPECT_NE(out.find("\\x1B[2J25"), std::string::npos) << out;
}

// Weight rows beyond the table's thirty are said on standard error; the calculation goes on.
TEST_F(Outputs, WeightRowsLeftOutAreSaid) {
    std::string rows;
    for (int i = 0; i < 40; ++i) rows += "  <balance_item>\r\n   <item_name>r</item_name>\r\n  </balance_item>\r\n";
    std::string bytes = projectBytes;
    bytes.insert(bytes.find(" <comment>"), " <balance>\r\n" + rows + " </balance>\r\n");
    std::ofstream(dir / "heavy.tv4", std::ios::binary) << bytes;
    EXPECT_EQ(runCalc(dir, "heavy.tv4"), 0);
    EXPECT_NE(slurp(dir / "stderr.txt").find("heavy.tv4: the weight table holds 30 rows; 10 were left out"),
              std::string::npos)
        << slurp(dir / "stderr.txt");
}

TEST(VisibleText, ControlsAndStrayBytesAreEscapedCharactersKept) {
    const struct {
        std::string in, out;
    } rows[] = {{"plain é ü 中", "plain é ü 中"},
                {std::string("a\0b", 3), "a\\x00b"},
                {"\x1b[2J\t\r\n\x7f", "\\x1B[2J\\x09\\x0D\\x0A\\x7F"},
                {"\xc2\x9b" "31m \xc2\xa0", "\\u009B31m \xc2\xa0"}, // C1 escape, no-break space kept
                {"\x9b\xff\xc3", "\\x9B\\xFF\\xC3"}};            // no UTF-8 character
    for (const auto& r : rows) EXPECT_EQ(tv::visibleText(r.in), r.out) << r.in;
}

// --version and --help whose text cannot be written (a file-size limit of 0 with its signal
// ignored: every write fails, as on a full disk) exit 2.
TEST(InformationOutput, AFailedWriteExitsWithTwo) {
    for (const char* option : {"--version", "--help"}) {
        const fs::path out = fs::temp_directory_path() / ("tv_full_" + std::to_string(::getpid()));
        const std::string cmd = std::string("ulimit -f 0; trap '' XFSZ; exec ") + TV_CALC_EXE + " " + option + " >" +
                                out.string() + " 2>/dev/null";
        const int raw = std::system(("sh -c \"" + cmd + "\"").c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2) << option;
        fs::remove(out);
    }
}

} // namespace
