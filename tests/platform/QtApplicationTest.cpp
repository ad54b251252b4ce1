// The application object the library makes for a host that has none.
#include <QCoreApplication>
#include <clocale>
#include <gtest/gtest.h>
#include <string>

#include "platform/afx/QtApplication.h"

TEST(QtApplication, MadeByTheLibraryLeavesTheHostsLocale) {
    if (QCoreApplication::instance())
        GTEST_SKIP() << "an earlier test of this process made the application object";
    if (!setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (scripts/deps.sh)";
    ensureQtApplication(); // Qt sets the environment's locale
    const std::string after = setlocale(LC_ALL, nullptr);
    setlocale(LC_ALL, "C");
    EXPECT_EQ(after, "de_DE.UTF-8");
}
