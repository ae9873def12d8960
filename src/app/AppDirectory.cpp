#include "AppDirectory.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString &OverriddenDirectory() {
    static QString directory;
    return directory;
}

QString WithTrailingSeparator(QString directory) {
    if (!directory.endsWith(QLatin1Char('/')))
        directory += QLatin1Char('/');
    return directory;
}

} // namespace

QString ApplicationDirectory() {
    if (!OverriddenDirectory().isEmpty())
        return OverriddenDirectory();
    return WithTrailingSeparator(QCoreApplication::applicationDirPath());
}

void SetApplicationDirectory(const QString &directory) {
    OverriddenDirectory() =
        directory.isEmpty() ? QString() : WithTrailingSeparator(QDir::cleanPath(directory));
}
