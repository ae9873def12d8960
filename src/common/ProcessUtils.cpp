#include "Utils.h"

#include "Cp1251.h"
#include "TAppConfig.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringDecoder>

namespace {

struct TCommand {
    QString Program;
    QStringList Arguments;
};

// The file that a program name of a command line stands for, or an empty text when there is
// none: a name without a folder is looked for in the application folder and then in the current
// folder, as process creation there does; a path is taken as it stands.
QString ExistingProgram(const QString &name) {
    if (name.isEmpty())
        return {};
    if (!name.contains(u'/') && !name.contains(u'\\')) {
        const std::string &appPath = TAppConfig::Instance().AppPath;
        const QString besideApp = FromCp1251(appPath) + name;
        if (!appPath.empty() && QFileInfo(besideApp).isFile())
            return besideApp;
        if (QFileInfo(name).isFile())
            return QDir::current().absoluteFilePath(name);
        return {};
    }
    return QFileInfo(name).isFile() ? name : QString();
}

// Splits a Windows-style command line and maps it onto this platform. Double quotes group. An
// unquoted program path may contain blanks ("ExeName" may be such a path): when the first word
// names no file, the first longer blank-separated prefix that does is the program, as process
// creation on the reference platform reads the line. A bare name that names no file is left to
// the search path. A script is handed to the command interpreter.
TCommand ParseCommandLine(const std::string &commandLine) {
    TCommand command;
    const QString line = FromCp1251(commandLine);
    QStringList parts = QProcess::splitCommand(line);
    if (parts.isEmpty())
        return command;
    command.Program = parts.takeFirst();
    command.Arguments = parts;

    QString found = ExistingProgram(command.Program);
    qsizetype start = 0;
    while (start < line.size() && line[start].isSpace())
        ++start;
    qsizetype firstEnd = start;
    while (firstEnd < line.size() && !line[firstEnd].isSpace())
        ++firstEnd;
    if (found.isEmpty() && !line.mid(start, firstEnd - start).contains(u'"')) {
        for (qsizetype end = firstEnd + 1; end <= line.size(); ++end) {
            const bool wordEnds =
                (end == line.size() || line[end].isSpace()) && !line[end - 1].isSpace();
            if (!wordEnds)
                continue;
            const QString prefix = line.mid(start, end - start);
            if (prefix.contains(u'"'))
                break;
            found = ExistingProgram(prefix);
            if (!found.isEmpty()) {
                command.Arguments = QProcess::splitCommand(line.mid(end));
                break;
            }
        }
    }
    if (!found.isEmpty())
        command.Program = found;
#ifndef Q_OS_WIN
    if (command.Program.endsWith(QLatin1String(".bat"), Qt::CaseInsensitive) ||
        command.Program.endsWith(QLatin1String(".cmd"), Qt::CaseInsensitive)) {
        // The interpreter itself would start and only then complain; a script that is not there
        // cannot be started, like any other missing program.
        if (!QFileInfo(command.Program).isFile())
            return {};
        command.Arguments.prepend(command.Program);
        command.Program = QStringLiteral("/bin/sh");
    }
#endif
    return command;
}

} // namespace

bool IsWinNT() {
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

bool RunAndCapture(const std::string &commandLine, const std::string &outputFile) {
    const TCommand command = ParseCommandLine(commandLine);
    if (command.Program.isEmpty())
        return false;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(command.Program, command.Arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(-1))
        return false;
    // QProcess keeps the whole output, so nothing is lost that the program wrote just before
    // it ended.
    process.waitForFinished(-1);
    const QByteArray captured = process.readAll();

    if (outputFile != "0") {
        QStringDecoder locale(QStringDecoder::System);
        WriteTextFile(outputFile, ToCp1251(locale.decode(captured)), false);
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool StartProcess(const std::string &commandLine) {
    const TCommand command = ParseCommandLine(commandLine);
    if (command.Program.isEmpty())
        return false;
    QProcess process;
    process.setProgram(command.Program);
    process.setArguments(command.Arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached();
}
