#include "AppDirFixture.h"
#include "Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <thread>

class FileUtils : public AppDirTest {
protected:
    void Touch(const std::string &name, const std::string &text = "x") {
        WriteTextFile(Path(name), text, false);
    }
    bool Exists(const std::string &name) const {
        const QFileInfo info(FromCp1251(Path(name)));
        return info.exists() || info.isSymLink();
    }
};

TEST_F(FileUtils, WholeFileReadAndWrite) {
    const std::string binary("a\0b\r\nc\xFF", 7);
    Touch("f.txt", "a much longer old content");
    WriteTextFile(Path("f.txt"), binary, false);
    EXPECT_EQ(ReadTextFile(Path("f.txt")), binary);
    EXPECT_EQ(FileSizeOf(Path("f.txt")), 7);

    WriteTextFile(Path("f.txt"), "++", true);
    EXPECT_EQ(ReadTextFile(Path("f.txt")), binary + "++");
    EXPECT_THROW(WriteTextFile(Path("none.txt"), "x", true), EFOpenError);
    EXPECT_FALSE(Exists("none.txt"));

    const std::string missing = Path(Cp("нет.txt"));
    try {
        ReadTextFile(missing);
        FAIL() << "no exception";
    } catch (const EFOpenError &) {
        FAIL() << "wrong exception class";
    } catch (const Exception &e) {
        EXPECT_EQ(std::string(e.what()), Cp("Файл ") + missing + Cp(" не найден."));
    }
    EXPECT_EQ(FileSizeOf(missing), -1);
}

TEST_F(FileUtils, FindFilesMatchesMaskIgnoringCaseAndSortsLikeTheReferencePlatform) {
    for (const char *name :
         {"b.ZIP", "a_b.zip", "aab.zip", "C.zip", "notes.txt", "x.zip.bak", "zip", ".zip"})
        Touch(name);
    QDir(Dir.path()).mkdir("dir.zip");
    const std::string dir = TAppConfig::Instance().AppPath;
    EXPECT_EQ(FindFiles(dir, "*.zip"),
              (std::vector<std::string>{dir + ".zip", dir + "aab.zip", dir + "a_b.zip",
                                        dir + "b.ZIP", dir + "C.zip", dir + "dir.zip"}));
    EXPECT_EQ(FindFiles(dir, "?.ZIP"), (std::vector<std::string>{dir + "b.ZIP", dir + "C.zip"}));
    EXPECT_EQ(FindFiles(dir, "*.txt"), (std::vector<std::string>{dir + "notes.txt"}));
    EXPECT_TRUE(FindFiles(dir + "missing/", "*").empty());
}

TEST_F(FileUtils, DeleteDirectoryRemovesTreeButNeverFollowsLinks) {
    QDir root(Dir.path());
    root.mkpath("tree/sub/deeper");
    root.mkpath("outside");
    Touch("tree/a.txt");
    Touch("tree/sub/deeper/b.txt");
    Touch("outside/keep.txt");
    QFile::setPermissions(FromCp1251(Path("tree/a.txt")), QFile::ReadOwner);
    QFile::setPermissions(FromCp1251(Path("tree/sub/deeper")), QFile::ReadOwner | QFile::ExeOwner);
    ASSERT_TRUE(QFile::link(FromCp1251(Path("outside")), FromCp1251(Path("tree/sub/dirlink"))));
    ASSERT_TRUE(
        QFile::link(FromCp1251(Path("outside/keep.txt")), FromCp1251(Path("tree/filelink"))));

    EXPECT_TRUE(DeleteDirectory(Path("tree")));
    EXPECT_FALSE(Exists("tree"));
    EXPECT_TRUE(Exists("outside/keep.txt"));

    // A link given as the directory itself is removed as a link.
    ASSERT_TRUE(QFile::link(FromCp1251(Path("outside")), FromCp1251(Path("toplink"))));
    EXPECT_TRUE(DeleteDirectory(Path("toplink/")));
    EXPECT_FALSE(Exists("toplink"));
    EXPECT_TRUE(Exists("outside/keep.txt"));

    EXPECT_FALSE(DeleteDirectory(Path("missing")));
    EXPECT_FALSE(DeleteDirectory(Path("outside/keep.txt")));
}

TEST_F(FileUtils, UnixTimeCountsTheLocalWallClock) {
    EXPECT_EQ(UnixTimeOf(QDateTime(QDate(1970, 1, 2), QTime(0, 0), Qt::LocalTime)), 86400);
    EXPECT_EQ(UnixTimeOf(QDateTime(QDate(2024, 3, 1), QTime(12, 30, 15, 499), Qt::LocalTime)),
              1709296215);
    EXPECT_EQ(UnixTimeOf(QDateTime(QDate(2024, 3, 1), QTime(12, 30, 15, 500), Qt::LocalTime)),
              1709296216);
    const QDateTime now = QDateTime::currentDateTime();
    EXPECT_NEAR(static_cast<double>(UnixTimeNow()),
                static_cast<double>(now.toSecsSinceEpoch() + now.offsetFromUtc()), 2.0);
}

TEST_F(FileUtils, WriteLogAppendsWholeLinesFromSeveralThreads) {
    WriteLog(-1, "never");
    EXPECT_FALSE(Exists("log.txt"));

    const std::string before = DateTimeToStr(QDateTime::currentDateTime());
    WriteLog(2, Cp("Ошибка"));
    const std::string after = DateTimeToStr(QDateTime::currentDateTime());
    const std::string first = ReadTextFile(Path("log.txt"));
    const std::string suffix = " " + Cp("Ошибка") + "\r\n";
    ASSERT_GT(first.size(), suffix.size());
    EXPECT_EQ(first.substr(first.size() - suffix.size()), suffix);
    const std::string stamp = first.substr(0, first.size() - suffix.size());
    EXPECT_TRUE(stamp == before || stamp == after) << stamp;

    // The log is a text file: a line feed inside a message reaches the disk as CR LF as well.
    WriteLog(2, "first\nsecond");
    const std::string multi = ReadTextFile(Path("log.txt"));
    EXPECT_TRUE(multi.ends_with(" first\r\nsecond\r\n")) << multi;

    const std::string payload(300, 'p');
    auto writer = [&](char tag) {
        for (int i = 0; i < 200; ++i)
            WriteLog(1, std::string(1, tag) + payload + tag);
    };
    std::thread a(writer, 'A'), b(writer, 'B');
    a.join();
    b.join();
    const QStringList lines = QString::fromLatin1(ReadTextFile(Path("log.txt")))
                                  .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 403);
    for (qsizetype i = 3; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const QChar tag = line.back();
        EXPECT_TRUE(line.endsWith(QString(tag) + QString(300, 'p') + tag)) << i;
    }
}
