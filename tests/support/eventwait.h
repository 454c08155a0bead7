#pragma once

#include <QTest>

#include <gtest/gtest.h>

// Waits while the event loop runs, like QTRY_VERIFY and QTRY_COMPARE. Those
// report a timeout to QTest, which a gtest run never hears of: the test body
// just returns and counts as passed. These fail the gtest test instead.
#define KELVOR_WAIT_TRUE(condition, timeoutMs)                                                   \
    ASSERT_TRUE(QTest::qWaitFor([&]() -> bool { return (condition); }, (timeoutMs)))           \
        << "waited " << (timeoutMs) << " ms for " #condition

#define KELVOR_WAIT_EQ(actual, expected, timeoutMs)                                              \
    do {                                                                                         \
        (void)QTest::qWaitFor([&]() -> bool { return (actual) == (expected); }, (timeoutMs));    \
        ASSERT_EQ((actual), (expected)) << "after waiting " << (timeoutMs) << " ms";             \
    } while (false)
