#include "DecimalSeparator.h"

#include <QLocale>

namespace {

QChar &Override() {
    static QChar separator;
    return separator;
}

} // namespace

QChar SystemDecimalSeparator() {
    if (!Override().isNull())
        return Override();
    // Only the first character counts; a locale may spell its separator with more than one.
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

void OverrideSystemDecimalSeparator(QChar separator) {
    Override() = separator;
}
