// Files by name: only a regular file (or a link to one) is read or replaced; anything else is refused
// without waiting and left as it is; reads are bounded; a replacement appears whole or not at all.
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "regularfile.h"

namespace dodoru {
namespace {

namespace fs = std::filesystem;

class Folder {
public:
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "fileaccess-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~Folder() { fs::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct KindCase {
    const char* name;
    FileKind kind;
};

TEST(RegularFiles, EveryOtherKindIsRefusedAndLeftAsItIs) {
    Folder folder;
    writeText(folder / "regular", "12");
    fs::create_directory(folder / "directory");
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    fs::create_symlink(folder / "fifo", folder / "fifo link");
    fs::create_symlink("/dev/null", folder / "device link");
    fs::create_symlink(folder / "nowhere", folder / "dangling");
    fs::create_symlink(folder / "regular", folder / "regular link");
    const KindCase cases[] = {
        {"regular", FileKind::Regular},    {"regular link", FileKind::Regular},
        {"missing", FileKind::Missing},    {"directory", FileKind::Directory},
        {"fifo", FileKind::Fifo},          {"fifo link", FileKind::Fifo},
        {"device link", FileKind::Device}, {"dangling", FileKind::DanglingLink},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder / c.name;
        EXPECT_EQ(examinePath(path).kind, c.kind);
        const FileRead read = readRegularFile(path, 100);
        EXPECT_EQ(read.ok(), c.kind == FileKind::Regular);
        EXPECT_EQ(read.ok() ? read.bytes : std::string(), c.kind == FileKind::Regular ? "12" : "");
        if (c.kind != FileKind::Regular) {
            EXPECT_EQ(read.kind.kind, c.kind);
        }
        ReplacingFile out(path);
        EXPECT_EQ(out.open(), c.kind == FileKind::Regular || c.kind == FileKind::Missing);
        if (c.kind != FileKind::Regular && c.kind != FileKind::Missing) {
            EXPECT_EQ(out.fault(), ReplacingFile::Fault::Kind);
        }
    }
    EXPECT_EQ(examinePath(folder / "dangling").linkTarget, folder / "nowhere");
    EXPECT_EQ(examinePath(folder / "fifo").kind, FileKind::Fifo);
    EXPECT_TRUE(fs::is_symlink(folder / "device link"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / ""), fs::directory_iterator()), 7); // nothing new
}

TEST(RegularFiles, ReadsAreBounded) {
    Folder folder;
    writeText(folder / "ten", "0123456789");
    EXPECT_EQ(readRegularFile(folder / "ten", 10).bytes, "0123456789");
    const FileRead large = readRegularFile(folder / "ten", 9);
    EXPECT_EQ(large.fault, FileRead::Fault::TooLarge);
    EXPECT_EQ(large.size, 10);
}

// A link stays a link, its target is replaced whole and keeps its permissions; a replacement not
// committed leaves no trace.
TEST(RegularFiles, ReplacementIsWholeAndFollowsALink) {
    Folder folder;
    writeText(folder / "target", "old");
    ASSERT_EQ(::chmod((folder / "target").c_str(), 0640), 0);
    fs::create_symlink(folder / "target", folder / "link");
    {
        ReplacingFile out(folder / "link");
        ASSERT_TRUE(out.open());
        ASSERT_EQ(::write(out.descriptor(), "new", 3), 3);
        EXPECT_EQ(readText(folder / "target"), "old");
        ASSERT_TRUE(out.commit());
    }
    EXPECT_TRUE(fs::is_symlink(folder / "link"));
    EXPECT_EQ(readText(folder / "target"), "new");
    struct stat info {};
    ASSERT_EQ(::stat((folder / "target").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    {
        ReplacingFile out(folder / "fresh");
        ASSERT_TRUE(out.open());
        ASSERT_EQ(::write(out.descriptor(), "x", 1), 1);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / ""), fs::directory_iterator()), 2);
}

} // namespace
} // namespace dodoru
