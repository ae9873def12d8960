#pragma once

#include <QChar>
#include <QString>

// Which characters a numeric field admits: every field takes digits; decimal fields also take
// one decimal separator.
enum class NumericKeys { Digits, Decimal };

struct KeyVerdict {
    enum Action { Accept, Replace, Discard };
    Action action;
    QChar replacement; // the character to insert instead, for Replace
};

// Decides what a typed character does in a numeric field holding `fieldText`. The test runs on
// the low seven bits of the character's code page 1251 byte, so a Cyrillic letter typed on a
// Russian layout is refused while "," and "." both type the user's separator, at most once.
KeyVerdict FilterNumericKey(QChar typed, NumericKeys keys, const QString &fieldText,
                            QChar separator);
