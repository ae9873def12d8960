#include "Utils.h"

#include "Cp1251.h"
#include "TAppConfig.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <mutex>

int64_t UnixTimeOf(const QDateTime &moment) {
    // Seconds of the local wall clock, as if local time were UTC.
    const QDateTime local = moment.toLocalTime();
    const QDateTime asUtc(local.date(), local.time(), Qt::UTC);
    return static_cast<int64_t>(std::llround(asUtc.toMSecsSinceEpoch() / 1000.0));
}

int64_t UnixTimeNow() {
    return UnixTimeOf(QDateTime::currentDateTime());
}

std::string DateTimeToStr(const QDateTime &moment) {
    const QLocale locale = QLocale::system();
    // Qt's long time format names the time zone; the program's date texts never carried one.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b\\s*")));
    const QDateTime local = moment.toLocalTime();
    return ToCp1251(locale.toString(local.date(), locale.dateFormat(QLocale::ShortFormat)) + " " +
                    locale.toString(local.time(), timeFormat.trimmed()));
}

void WriteLog(int level, const std::string &message) {
    if (level < 0)
        return;
    // The HTTP worker logs too; one lock and one write per line keep lines whole.
    static std::mutex logMutex;
    // The log is a text file with CR LF line ends, read that way by people and by the support
    // server: every line feed, those inside the message included, goes to disk as CR LF.
    const std::string text = DateTimeToStr(QDateTime::currentDateTime()) + " " + message + "\n";
    std::string line;
    line.reserve(text.size() + 2);
    for (const char c : text) {
        if (c == '\n')
            line += '\r';
        line += c;
    }
    std::lock_guard<std::mutex> lock(logMutex);
    QFile file(FromCp1251(TAppConfig::Instance().AppPath + "log.txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write(line.data(), static_cast<qint64>(line.size()));
}
