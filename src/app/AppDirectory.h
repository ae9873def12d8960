#pragma once

#include <QString>

// The directory the program keeps its files in (settings, logs, "updates/"), with a trailing
// separator. It is the executable's directory unless a test has pointed it elsewhere, so that no
// test touches the files beside the build tree's binaries.
QString ApplicationDirectory();
void SetApplicationDirectory(const QString &directory);
