#pragma once

#include <QDateTime>
#include <cstdint>
#include <string>
#include <vector>

// File, process, time and log helpers shared by both programs. Every text, file names included,
// is code page 1251.

// Size in bytes; -1 when the file does not exist.
int64_t FileSizeOf(const std::string &fileName);

// The whole file, byte for byte. A missing file raises Exception with the message
// "Файл " + fileName + " не найден."; an unreadable one EFOpenError.
std::string ReadTextFile(const std::string &fileName);

// append false: creates or truncates the file (EFCreateError on failure).
// append true: appends to an existing file (EFOpenError when it is missing).
void WriteTextFile(const std::string &fileName, const std::string &text, bool append = false);

// Entries of the directory whose names match the mask ("*" and "?", letter case ignored), as
// directory + name (directory must end with the separator), sorted case-insensitively the way
// the reference platform lists them, so update packages install in a stable order.
std::vector<std::string> FindFiles(const std::string &directory, const std::string &mask);

// Deletes the directory with everything below it, read-only entries included; true when the
// directory itself was removed. Symbolic links are removed as links and never followed.
bool DeleteDirectory(const std::string &directory);

// True on the Windows NT family; false elsewhere.
bool IsWinNT();

// Runs the command line hidden and waits for it, collecting standard output and error merged.
// The command line is read like a Windows one: double quotes group, and an unquoted program path
// with blanks is the first blank-separated prefix that names an existing file. A script ending in
// ".bat" or ".cmd" is run by the platform's command interpreter (/bin/sh on Linux); a missing
// script cannot be started, so outputFile is left alone and the result is false. Unless outputFile
// is "0", the captured output, converted from the locale's encoding to code page 1251, replaces
// outputFile. True when the program ran and ended with exit code 0.
bool RunAndCapture(const std::string &commandLine, const std::string &outputFile);

// Unpacks archive into target (created when missing), keeping the folder structure. options
// as for the external unpacker: " -o " overwrites existing files; without "-o" an existing file
// is kept and the result is false. An archive with any entry that is absolute or contains ".."
// is refused as a whole (nothing is written) and gives false. Entry names are read as the
// archiver wrote them: UTF-8 when marked so or made on Unix, otherwise in the OEM code page 866.
bool Unzip(const std::string &archive, const std::string &target, const std::string &options);

// Starts the command line without waiting and without a console; true if it was started.
bool StartProcess(const std::string &commandLine);

// Seconds since 1970-01-01 00:00 counted on the local wall clock (not UTC).
int64_t UnixTimeNow();
// The same for a given moment (its local date and time), rounded to the nearest second.
int64_t UnixTimeOf(const QDateTime &moment);

// Local date and time as the program writes it into logs and settings: the user's short date
// format, a blank, the long time format (without a time zone).
std::string DateTimeToStr(const QDateTime &moment);

// Appends "date time message" and CR LF to AppPath + "log.txt" for level >= 0; a line feed inside
// the message is written as CR LF too, as in any text file of the program. Safe to call
// from several threads: lines never interleave. Failures are ignored.
void WriteLog(int level, const std::string &message);
