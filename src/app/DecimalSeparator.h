#pragma once

#include <QChar>

// The user's decimal separator as the regional settings give it (QLocale::system(): a Russian
// locale gives ","). Tests override it so that comma scenarios run whatever the machine's
// locale is; a null QChar removes the override.
QChar SystemDecimalSeparator();
void OverrideSystemDecimalSeparator(QChar separator);
