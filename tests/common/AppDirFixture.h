#pragma once

#include "Cp1251.h"
#include "Exceptions.h"
#include "TAppConfig.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

// Points the application directory at a fresh temporary folder, so no test touches the build
// tree; paths are code page 1251 texts as the program uses them.
class AppDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        TAppConfig::Instance().Init(ToCp1251(Dir.path()));
    }

    std::string Path(const std::string &name) const {
        return TAppConfig::Instance().AppPath + name;
    }

    QTemporaryDir Dir;
};

// A UTF-8 literal as the program stores it.
inline std::string Cp(const char *utf8) {
    return ToCp1251(QString::fromUtf8(utf8));
}
