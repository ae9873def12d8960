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

// Splits a Windows-style command line and maps it onto this platform: a script is handed to the
// command interpreter, and a bare program name is looked up first in the application folder and
// the current folder, as process creation there does, before the search path.
TCommand ParseCommandLine(const std::string &commandLine) {
    TCommand command;
    QStringList parts = QProcess::splitCommand(FromCp1251(commandLine));
    if (parts.isEmpty())
        return command;
    command.Program = parts.takeFirst();
    command.Arguments = parts;
    if (!command.Program.contains(u'/') && !command.Program.contains(u'\\')) {
        const QString besideApp = FromCp1251(TAppConfig::Instance().AppPath) + command.Program;
        if (!TAppConfig::Instance().AppPath.empty() && QFileInfo(besideApp).isFile())
            command.Program = besideApp;
        else if (QFileInfo(command.Program).isFile())
            command.Program = QDir::current().absoluteFilePath(command.Program);
    }
#ifndef Q_OS_WIN
    if (command.Program.endsWith(QLatin1String(".bat"), Qt::CaseInsensitive) ||
        command.Program.endsWith(QLatin1String(".cmd"), Qt::CaseInsensitive)) {
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
