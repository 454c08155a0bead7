#include "app/instancelock.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

using namespace kelvor;

namespace {

TEST(InstanceLockTest, SecondHolderIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kelvor.lock"_s);
    auto first = std::make_unique<InstanceLock>(path);
    ASSERT_TRUE(first->tryAcquire());
    EXPECT_TRUE(first->tryAcquire()) << "asking again keeps the lock";

    InstanceLock second(path);
    EXPECT_FALSE(second.tryAcquire());

    first.reset();
    EXPECT_TRUE(second.tryAcquire());
}

TEST(InstanceLockTest, DefaultPathIsInTheRuntimeFolder)
{
    QTemporaryDir runtime;
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString path = InstanceLock::defaultPath();
    if (saved.isNull()) qunsetenv("XDG_RUNTIME_DIR");
    else qputenv("XDG_RUNTIME_DIR", saved);

    EXPECT_EQ(path, runtime.filePath(u"kelvor.lock"_s));
}

}  // namespace
