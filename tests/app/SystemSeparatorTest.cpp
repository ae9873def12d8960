#include "DecimalSeparator.h"

#include <QByteArray>
#include <gtest/gtest.h>

// The separator comes from the regional settings the program was started with. ctest starts this
// test once more under a Russian and an English locale; under any other locale it has nothing to
// compare with.
TEST(SystemSeparator, FollowsTheRegionalSettings) {
    const QByteArray locale = qgetenv("LC_ALL");
    if (locale.startsWith("ru_RU"))
        EXPECT_EQ(SystemDecimalSeparator(), QLatin1Char(','));
    else if (locale.startsWith("en_US"))
        EXPECT_EQ(SystemDecimalSeparator(), QLatin1Char('.'));
    else
        GTEST_SKIP() << "started without a Russian or English LC_ALL";
}
