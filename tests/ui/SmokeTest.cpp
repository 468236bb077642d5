#include <gtest/gtest.h>

#include <QApplication>

TEST(UiSmoke, ApplicationRunsOffscreen) { EXPECT_NE(qApp, nullptr); }
