#pragma once
// One run of the tool shared by every test in the program that only reads what it wrote;
// the folder goes with the process.
#include <memory>

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "ToolRun.h"

class AppDirFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (dir_) return;
        dir_ = std::make_unique<QTemporaryDir>();
        result_ = ToolRun::run({app(), QStringLiteral("--embedded"), embedded()});
    }

    void SetUp() override {
        ASSERT_TRUE(dir_->isValid());
        ASSERT_EQ(result_.exitCode, 0) << result_.err.toStdString();
    }

    static QString app() { return dir_->path() + QStringLiteral("/app dir"); }
    static QString embedded() { return dir_->path() + QStringLiteral("/embedded"); }
    static QByteArray read(const QString& relative) {
        return ToolRun::readAll(app() + "/" + relative);
    }

    static inline std::unique_ptr<QTemporaryDir> dir_;
    static inline ToolResult result_;
};
