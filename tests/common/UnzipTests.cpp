#include "AppDirFixture.h"
#include "Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <gtest/gtest.h>
#include <utility>
#include <vector>
#include <zip.h>

namespace {

using TEntries = std::vector<std::pair<std::string, std::string>>; // name -> content; "x/" = folder

// Writes a ZIP archive with exactly the given entry names, hostile ones included.
void MakeZip(const std::string &path, const TEntries &entries) {
    int error = 0;
    zip_t *zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr);
    for (const auto &[name, content] : entries) {
        if (!name.empty() && name.back() == '/') {
            ASSERT_GE(zip_dir_add(zip, name.c_str(), ZIP_FL_ENC_RAW), 0) << name;
            continue;
        }
        zip_source_t *source = zip_source_buffer(zip, content.data(), content.size(), 0);
        ASSERT_NE(source, nullptr);
        const zip_int64_t index = zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_RAW);
        ASSERT_GE(index, 0) << name;
        if (name == "run.sh")
            zip_file_set_external_attributes(zip, static_cast<zip_uint64_t>(index), 0,
                                             ZIP_OPSYS_UNIX, (0100755u << 16));
    }
    ASSERT_EQ(zip_close(zip), 0);
}

} // namespace

class UnzipTest : public AppDirTest {
protected:
    std::string Target() const { return TAppConfig::Instance().TempPath + "1700000000"; }
};

TEST_F(UnzipTest, UnpacksFoldersAndOverwritesOnlyWithTheOption) {
    const std::string archive = Path("package.zip");
    MakeZip(archive, {{"mess.dat", "<update/>"},
                      {"todo.bat", "exit 0\n"},
                      {"bin/", ""},
                      {"bin/lib/data.txt", "deep"},
                      {"run.sh", "#!/bin/sh\n"}});
    ASSERT_TRUE(Unzip(archive, Target(), " -o "));
    EXPECT_EQ(ReadTextFile(Target() + "/mess.dat"), "<update/>");
    EXPECT_EQ(ReadTextFile(Target() + "/bin/lib/data.txt"), "deep");
    EXPECT_TRUE(QFileInfo(FromCp1251(Target() + "/run.sh")).isExecutable());
    EXPECT_FALSE(QFileInfo(FromCp1251(Target() + "/todo.bat")).isExecutable());

    WriteTextFile(Target() + "/mess.dat", "changed", false);
    EXPECT_FALSE(Unzip(archive, Target(), ""));
    EXPECT_EQ(ReadTextFile(Target() + "/mess.dat"), "changed");
    EXPECT_TRUE(Unzip(archive, Target(), " -o "));
    EXPECT_EQ(ReadTextFile(Target() + "/mess.dat"), "<update/>");
}

TEST_F(UnzipTest, RefusesEntriesThatWouldLandOutsideTheTarget) {
    const char *hostile[] = {"../escape.txt",   "a/../../escape.txt", "..\\escape.txt",
                             "/tmp/escape.txt", "C:/escape.txt",      "ok/.."};
    for (const char *name : hostile) {
        const std::string archive = Path("bad.zip");
        MakeZip(archive, {{"first.txt", "harmless"}, {name, "payload"}});
        EXPECT_FALSE(Unzip(archive, Target(), " -o ")) << name;
        // Nothing at all is unpacked from a refused archive.
        EXPECT_FALSE(QFileInfo::exists(FromCp1251(Target()))) << name;
        EXPECT_FALSE(QFileInfo::exists(FromCp1251(Path("escape.txt")))) << name;
    }
}

TEST_F(UnzipTest, DoesNotWriteThroughALinkInTheTarget) {
    QDir(Dir.path()).mkpath("outside");
    WriteTextFile(Path("outside/victim.txt"), "original", false);
    QDir().mkpath(FromCp1251(Target()));
    ASSERT_TRUE(
        QFile::link(FromCp1251(Path("outside/victim.txt")), FromCp1251(Target() + "/mess.dat")));
    MakeZip(Path("p.zip"), {{"mess.dat", "new"}});
    EXPECT_TRUE(Unzip(Path("p.zip"), Target(), " -o "));
    EXPECT_EQ(ReadTextFile(Path("outside/victim.txt")), "original");
    EXPECT_EQ(ReadTextFile(Target() + "/mess.dat"), "new");

    // A linked folder inside the target is not a way out either.
    ASSERT_TRUE(QFile::link(FromCp1251(Path("outside")), FromCp1251(Target() + "/sub")));
    MakeZip(Path("q.zip"), {{"sub/victim.txt", "new"}, {"sub/other.txt", "new"}});
    EXPECT_FALSE(Unzip(Path("q.zip"), Target(), " -o "));
    EXPECT_EQ(ReadTextFile(Path("outside/victim.txt")), "original");
    EXPECT_FALSE(QFileInfo::exists(FromCp1251(Path("outside/other.txt"))));
}

TEST_F(UnzipTest, MissingOrDamagedArchiveFails) {
    EXPECT_FALSE(Unzip(Path("none.zip"), Target(), " -o "));
    WriteTextFile(Path("broken.zip"), "PK\x03\x04 not really a zip", false);
    EXPECT_FALSE(Unzip(Path("broken.zip"), Target(), " -o "));
}

TEST_F(UnzipTest, CyrillicEntryNamesAreReadAsTheirArchiverWroteThem) {
    struct Case {
        const char *Raw; // the name's bytes in the archive
        zip_flags_t Encoding;
        zip_uint8_t System;
        const char *Expected; // UTF-8
    };
    const Case cases[] = {
        // Archivers of the reference platform: unmarked, in the OEM code page 866.
        {"\x91\xAF\xE0\xA0\xA2\xAA\xA0.txt", ZIP_FL_ENC_CP437, ZIP_OPSYS_DOS, "Справка.txt"},
        {"\x84\xA0\xAD\xAD\xEB\xA5/\x92\xA5\xAA\xE1\xE2.txt", ZIP_FL_ENC_CP437,
         ZIP_OPSYS_WINDOWS_NTFS, "Данные/Текст.txt"},
        // Marked as UTF-8, whatever the system; plain ASCII.
        {"Отчёт.txt", ZIP_FL_ENC_UTF_8, ZIP_OPSYS_DOS, "Отчёт.txt"},
        {"Отчёт2.txt", ZIP_FL_ENC_GUESS, ZIP_OPSYS_UNIX, "Отчёт2.txt"},
        {"plain.txt", ZIP_FL_ENC_CP437, ZIP_OPSYS_DOS, "plain.txt"},
    };
    const std::string archive = Path("names.zip");
    int error = 0;
    zip_t *zip = zip_open(archive.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr);
    for (const Case &c : cases) {
        zip_source_t *source = zip_source_buffer(zip, c.Expected, std::strlen(c.Expected), 0);
        const zip_int64_t index = zip_file_add(zip, c.Raw, source, c.Encoding);
        ASSERT_GE(index, 0) << c.Expected;
        zip_file_set_external_attributes(zip, static_cast<zip_uint64_t>(index), 0, c.System, 0);
    }
    ASSERT_EQ(zip_close(zip), 0);

    ASSERT_TRUE(Unzip(archive, Target(), " -o "));
    for (const Case &c : cases) {
        const QString file = FromCp1251(Target()) + "/" + QString::fromUtf8(c.Expected);
        EXPECT_TRUE(QFileInfo(file).isFile()) << c.Expected;
    }
    EXPECT_EQ(QDir(FromCp1251(Target())).entryList(QDir::Files).size(), 4);
}
