#include "AppDirFixture.h"
#include "Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>

class ProcessUtils : public AppDirTest {
protected:
    bool Exists(const std::string &name) const { return QFileInfo::exists(FromCp1251(Path(name))); }
};

TEST_F(ProcessUtils, CapturesMergedOutputAndReportsTheExitCode) {
    const std::string out = Path("out.txt");
    EXPECT_TRUE(RunAndCapture("/bin/sh -c \"echo one; echo two 1>&2; echo three\"", out));
    EXPECT_EQ(ReadTextFile(out), "one\ntwo\nthree\n");

    // The exit code decides; the output is still written on failure, replacing the old one.
    EXPECT_FALSE(RunAndCapture("/bin/sh -c \"printf failed; exit 3\"", out));
    EXPECT_EQ(ReadTextFile(out), "failed");

    // "0" means no output file; output produced right before the end is not lost either.
    EXPECT_TRUE(RunAndCapture("/bin/sh -c \"echo quiet > " + Path("side.txt") + "\"", "0"));
    EXPECT_FALSE(Exists("0"));
    EXPECT_EQ(ReadTextFile(Path("side.txt")), "quiet\n");

    EXPECT_FALSE(RunAndCapture("/no/such/program", out));
    EXPECT_FALSE(RunAndCapture("", out));
}

TEST_F(ProcessUtils, OutputIsConvertedToCodePage1251) {
    // The locale's encoding is UTF-8 here; the log files keep code page 1251.
    const std::string out = Path("out.txt");
    WriteTextFile(Path("say.sh"), "printf '\xD0\x9F\xD1\x80\xD0\xB8'\n", false);
    EXPECT_TRUE(RunAndCapture("/bin/sh \"" + Path("say.sh") + "\"", out));
    EXPECT_EQ(ReadTextFile(out), "\xCF\xF0\xE8");
}

TEST_F(ProcessUtils, BatchScriptRunsThroughTheCommandInterpreterWithItsArguments) {
    // The update installer's command line: script, application folder, working folder, each
    // quoted; the script has no execute permission, as after unpacking.
    QDir(Dir.path()).mkdir(QStringLiteral("work dir"));
    const std::string work = Path("work dir");
    WriteTextFile(work + "/todo.bat", "echo \"[$1]\" \"[$2]\"\nexit 0\n", false);
    const std::string app = TAppConfig::Instance().AppPath;
    const std::string line =
        "\"" + work + "/todo.bat\"  \"" + app.substr(0, app.size() - 1) + "/\" \"" + work + "/\"";
    EXPECT_TRUE(RunAndCapture(line, Path("update.log")));
    EXPECT_EQ(ReadTextFile(Path("update.log")), "[" + app + "] [" + work + "/]\n");

    WriteTextFile(work + "/TODO.BAT", "exit 1\n", false);
    EXPECT_FALSE(RunAndCapture("\"" + work + "/TODO.BAT\"", "0"));

    // A package without its script: nothing can be started, so the output of the last update
    // that did run stays in "update.log".
    EXPECT_FALSE(
        RunAndCapture("\"" + work + "/missing.bat\"  \"" + app + "\"", Path("update.log")));
    EXPECT_EQ(ReadTextFile(Path("update.log")), "[" + app + "] [" + work + "/]\n");
    EXPECT_FALSE(StartProcess("\"" + work + "/missing.bat\""));
}

TEST_F(ProcessUtils, StartProcessDoesNotWaitAndFindsProgramsBesideTheApplication) {
    const std::string marker = Path("started.txt");
    WriteTextFile(Path("prog"), "#!/bin/sh\necho started > \"$1\"\n", false);
    QFile::setPermissions(FromCp1251(Path("prog")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A bare name is looked up in the application folder, as the launcher's "ExeName" is.
    ASSERT_TRUE(StartProcess("prog \"" + marker + "\""));
    for (int i = 0; i < 500 && !(Exists("started.txt") && FileSizeOf(marker) > 0); ++i)
        QThread::msleep(10);
    EXPECT_EQ(ReadTextFile(marker), "started\n");

    // An unquoted path with blanks ("ExeName" as installations write it): the program is the
    // first blank-separated prefix that is an existing file, as process creation on the reference
    // platform reads such a line; what follows are its arguments.
    QDir(Dir.path()).mkpath(QStringLiteral("my apps/sub dir"));
    const std::string spaced = Path("my apps/sub dir/prog");
    QFile::copy(FromCp1251(Path("prog")), FromCp1251(spaced));
    const std::string marker2 = Path("started2.txt");
    ASSERT_TRUE(StartProcess(spaced + " \"" + marker2 + "\""));
    for (int i = 0; i < 500 && !(Exists("started2.txt") && FileSizeOf(marker2) > 0); ++i)
        QThread::msleep(10);
    EXPECT_EQ(ReadTextFile(marker2), "started\n");

    EXPECT_FALSE(StartProcess("0"));
    EXPECT_FALSE(StartProcess(""));
}
