// A system file read for the thread rule neither waits for a writer nor reads without end.
#include "solver/system_text.h"

#include "../files/tempdir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tv {
namespace {

TEST(SystemText, AFifoIsReadWithoutWaiting) {
    const tvtest::TempDir dir;
    const std::string fifo = dir.file("stat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readSystemText(fifo), std::string()); // no writer at all

    const int writer = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK); // a writer that never writes
    ASSERT_GE(writer, 0);
    EXPECT_EQ(readSystemText(fifo), std::string());
    ASSERT_EQ(::write(writer, "procs_running 3\n", 16), 16);
    EXPECT_EQ(readSystemText(fifo), "procs_running 3\n"); // what is there, then no wait for more
    ::close(writer);
}

TEST(SystemText, ALongFileIsReadUpToTheLimit) {
    const tvtest::TempDir dir;
    tvtest::spit(dir.file("long"), std::string(100000, 'x'));
    EXPECT_EQ(readSystemText(dir.file("long"), 4096).value_or("").size(), 4096u);
    EXPECT_EQ(readSystemText(dir.file("long")).value_or("").size(), 100000u);
    EXPECT_EQ(readSystemText(dir.file("missing")), std::nullopt);
}

} // namespace
} // namespace tv
