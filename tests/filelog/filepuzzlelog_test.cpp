#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "codepage950.h"
#include "filepuzzlelog.h"
#include "puzzlelog.h"

namespace dodoru::testing {
namespace {

namespace fs = std::filesystem;

// A level-3 record: 38 givens, one solution.
LogRecord exampleRecord() {
    LogRecord record;
    record.level = 3;
    record.clueCount = 38;
    record.solutionCount = 1;
    record.tally = {17, 44, 12, 17, 6, 1, 1, 0, 0, 0};
    return record;
}

// The example's bytes, spelled out in Big5: 等 B5A5 級 AFC5 共 A640 號 B8B9 答 B5AA 案 AED7 組 B2D5.
const std::string kExampleBytes = std::string("\xB5\xA5\xAF\xC5"
                                              "3"
                                              "\xA6\x40"
                                              "38"
                                              "\xB8\xB9"
                                              "\xB5\xAA\xAE\xD7"
                                              "1"
                                              "\xB2\xD5") +
                                  std::string(10, ' ') +  // 18 header bytes: from column 19 to column 29
                                  "0=17 1=44 2=12 3=17 4=06 5=01 6=01 7=00 8=00 9=00 " + " " + "\r\n";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class LogFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("dodoru-log-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir_, fs::perms::owner_all, ignored);
        fs::remove_all(dir_, ignored);
    }
    fs::path dir_;
};

TEST(CodePage950, ConvertsTheLogsWordsAndKeepsAscii) {
    EXPECT_EQ(toCodePage950("空格27"), std::optional<std::string>("\xAA\xC5\xAE\xE6"
                                                                  "27"));
    EXPECT_EQ(toCodePage950("等級共號答案組"),
              std::optional<std::string>("\xB5\xA5\xAF\xC5\xA6\x40\xB8\xB9\xB5\xAA\xAE\xD7\xB2\xD5"));
    EXPECT_EQ(toCodePage950("0=05 \r\n"), std::optional<std::string>("0=05 \r\n"));
    EXPECT_EQ(toCodePage950(""), std::optional<std::string>(""));
}

TEST(CodePage950, RefusesTextWithoutABig5Form) {
    EXPECT_EQ(toCodePage950("\xF0\x9F\x98\x80"), std::nullopt);  // an emoji
    EXPECT_EQ(toCodePage950("\xE4\xB8"), std::nullopt);          // a cut UTF-8 sequence
}

TEST(LogRecordBytes, ExampleOfPartTwoThree) {
    EXPECT_EQ(encodeLogRecord(exampleRecord()), std::optional<std::string>(kExampleBytes));
}

TEST(LogRecordBytes, TallyStartsAtThePrintZoneAfterTheHeader) {
    LogRecord record = exampleRecord();
    record.level = 5;
    record.clueCount = 9;  // a one-digit count: 17 header bytes, still advanced to column 29
    const std::string bytes = *encodeLogRecord(record);
    EXPECT_EQ(bytes.find("0="), 28u);
    EXPECT_EQ(bytes.substr(17, 11), std::string(11, ' '));
}

TEST(LogRecordBytes, EntriesHaveTwoDigits) {
    LogRecord record = exampleRecord();
    record.tally = {5, 44, 0, 81, 0, 0, 0, 0, 0, 0};
    const std::string bytes = *encodeLogRecord(record);
    EXPECT_NE(bytes.find("0=05 1=44 2=00 3=81 4=00"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 8), "9=00  \r\n");
    EXPECT_NE(bytes.find("\xB5\xAA\xAE\xD7"
                         "1"
                         "\xB2\xD5"),
              std::string::npos);  // 答案1組
}

TEST_F(LogFile, CreatesAMissingFile) {
    const fs::path path = dir_ / "out.txt";
    FilePuzzleLog log(path.string());
    const LogWriteResult result = log.append(exampleRecord());
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(readFile(path), kExampleBytes);
}

TEST_F(LogFile, AppendsAfterTheOldBytesByteForByte) {
    const fs::path path = dir_ / "out.txt";
    std::string old = "older text without a line end \x01\xFF\xB5\xA5";
    old += std::string(1, '\0') + "tail";
    {
        std::ofstream out(path, std::ios::binary);
        out << old;
    }
    FilePuzzleLog log(path.string());
    LogRecord second = exampleRecord();
    second.level = 4;
    ASSERT_TRUE(log.append(exampleRecord()).ok);
    ASSERT_TRUE(log.append(second).ok);
    EXPECT_EQ(readFile(path), old + kExampleBytes + *encodeLogRecord(second));
}

TEST_F(LogFile, ADirectoryInItsPlaceIsReported) {
    const fs::path path = dir_ / "out.txt";
    fs::create_directory(path);
    const LogWriteResult result = FilePuzzleLog(path.string()).append(exampleRecord());
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(path.string()), std::string::npos) << result.error;
    EXPECT_NE(result.error.find("Is a directory"), std::string::npos) << result.error;
}

TEST_F(LogFile, AMissingDirectoryIsReported) {
    const fs::path path = dir_ / "no such folder" / "out.txt";
    const LogWriteResult result = FilePuzzleLog(path.string()).append(exampleRecord());
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("No such file or directory"), std::string::npos) << result.error;
}

// Appends as an unprivileged user: as root, in a child process that gives up root first.
LogWriteResult appendWithoutPrivileges(const fs::path& path, const LogRecord& record) {
    if (::geteuid() != 0) return FilePuzzleLog(path.string()).append(record);
    int channel[2];
    if (::pipe(channel) != 0) return {true, "no pipe"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::string answer = "no unprivileged user";
        if (::setgid(65534) == 0 && ::setuid(65534) == 0) {
            const LogWriteResult result = FilePuzzleLog(path.string()).append(record);
            answer = (result.ok ? "ok:" : "failed:") + result.error;
        }
        const ssize_t written = ::write(channel[1], answer.data(), answer.size());
        ::_exit(written < 0 ? 1 : 0);
    }
    ::close(channel[1]);
    std::string answer;
    char buffer[256];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (answer.rfind("failed:", 0) == 0) return {false, answer.substr(7)};
    return {true, answer};
}

TEST_F(LogFile, AFolderWithoutWriteAccessIsReported) {
    fs::permissions(dir_, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    const LogWriteResult result = appendWithoutPrivileges(dir_ / "out.txt", exampleRecord());
    if (result.ok && result.error == "no unprivileged user") GTEST_SKIP() << "cannot drop root here";
    EXPECT_FALSE(result.ok) << result.error;
    EXPECT_NE(result.error.find("Permission denied"), std::string::npos) << result.error;
    EXPECT_FALSE(fs::exists(dir_ / "out.txt"));
}

TEST_F(LogFile, AReadOnlyFileIsReportedAndKept) {
    const fs::path path = dir_ / "out.txt";
    {
        std::ofstream out(path, std::ios::binary);
        out << "kept\r\n";
    }
    fs::permissions(dir_, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(path, fs::perms::owner_read | fs::perms::others_read);
    const LogWriteResult result = appendWithoutPrivileges(path, exampleRecord());
    if (result.ok && result.error == "no unprivileged user") GTEST_SKIP() << "cannot drop root here";
    EXPECT_FALSE(result.ok) << result.error;
    EXPECT_NE(result.error.find("Permission denied"), std::string::npos) << result.error;
    EXPECT_EQ(readFile(path), "kept\r\n");
}

// Only a regular file, or a link to one, is a log: a FIFO (which a plain open would wait on), a link to
// a device node or a link to nothing is refused before anything opens it, and left as it was.
TEST_F(LogFile, OtherKindsAreRefusedAndLeftAlone) {
    const fs::path path = dir_ / "out.txt";
    const fs::path other = dir_ / "other";
    enum Make { Fifo, LinkToFifo, LinkToDevice, DanglingLink };
    for (const Make make : {Fifo, LinkToFifo, LinkToDevice, DanglingLink}) {
        SCOPED_TRACE(make);
        fs::remove(path);
        fs::remove(other);
        if (make == Fifo || make == LinkToFifo) {
            ASSERT_EQ(::mkfifo((make == Fifo ? path : other).c_str(), 0600), 0);
        }
        // A node of our own (the null device's numbers) in the temporary folder.
        if (make == LinkToDevice && ::mknod(other.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0) continue;
        if (make != Fifo) fs::create_symlink(other, path);
        struct stat before {};
        ASSERT_EQ(::lstat(path.c_str(), &before), 0);

        const LogWriteResult result = FilePuzzleLog(path.string()).append(exampleRecord());
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.failure, make == DanglingLink ? LogFailure::DanglingLink : LogFailure::NotAFile);
        EXPECT_NE(result.error.find(path.string()), std::string::npos) << result.error;
        struct stat after {};
        ASSERT_EQ(::lstat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_FALSE(fs::is_regular_file(other));
    }
}

// A write cut short by the file size limit leaves no part of the record behind.
TEST_F(LogFile, APartialRecordIsCutOffAgain) {
    const fs::path path = dir_ / "out.txt";
    const std::string old = "first record\r\n";
    {
        std::ofstream out(path, std::ios::binary);
        out << old;
    }
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = old.size() + 10;  // room for ten bytes of the record
    if (::setrlimit(RLIMIT_FSIZE, &small) != 0) GTEST_SKIP() << "cannot lower the file size limit";
    const LogWriteResult result = FilePuzzleLog(path.string()).append(exampleRecord());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("too large"), std::string::npos) << result.error;
    EXPECT_EQ(readFile(path), old);
}

}  // namespace
}  // namespace dodoru::testing
