// Records that the system takes with their size in their first field. The program fills that
// field with sizeof, so each build passes the size of its own headers; the shipped 32-bit build
// must pass exactly the size that its records have on 32-bit Windows.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

TEST(RecordSizes, ThirtyTwoBitBuildPassesTheFullRecords) {
#ifdef _WIN64
    GTEST_SKIP() << "the x86_64 build passes its own sizes";
#else
    // With an older _WIN32_WINNT or _WIN32_IE the headers give a shorter notification-icon
    // record, and the shell reads the tray icon's fields from the wrong version. The tray
    // passes the wide one.
    EXPECT_EQ(sizeof(NOTIFYICONDATAA), 508u);
    EXPECT_EQ(sizeof(NOTIFYICONDATAW), 956u);
#endif
}
