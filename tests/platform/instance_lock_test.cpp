#include "platform/instance_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/instance_test_support.h"

namespace pixora {
namespace {

using testing::EnsureTestApplication;
using testing::Helper;

void Age(const QString& path, int seconds) {
    struct timeval times[2];
    gettimeofday(&times[0], nullptr);
    times[0].tv_sec -= seconds;
    times[1] = times[0];
    ASSERT_EQ(utimes(QFile::encodeName(path).constData(), times), 0);
}

class InstanceLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureTestApplication();
        ASSERT_TRUE(folder_.isValid());
    }
    QTemporaryDir folder_;
};

TEST_F(InstanceLockTest, OneHolderAtATime) {
    InstanceLock first(folder_.path());
    InstanceLock second(folder_.path());
    EXPECT_TRUE(first.TryAcquire());
    EXPECT_FALSE(second.TryAcquire());
    first.Release();
    EXPECT_TRUE(second.TryAcquire());
}

TEST_F(InstanceLockTest, ALongRunningHolderKeepsItsLock) {
    Helper holder(folder_.path(), {"hold-lock"});
    ASSERT_EQ(holder.NextLine(), "HOLDING");
    // An editor that has been open for an hour is still the running instance.
    Age(folder_.filePath("pixora.lock"), 3600);
    InstanceLock lock(folder_.path());
    EXPECT_FALSE(lock.TryAcquire());
}

TEST_F(InstanceLockTest, ALockLeftByACrashIsTakenOver) {
    {
        Helper holder(folder_.path(), {"hold-lock"});
        ASSERT_EQ(holder.NextLine(), "HOLDING");
        holder.Process().kill();
        holder.Process().waitForFinished(3000);
    }
    ASSERT_TRUE(QFile::exists(folder_.filePath("pixora.lock")));
    InstanceLock lock(folder_.path());
    EXPECT_TRUE(lock.TryAcquire());
}

TEST_F(InstanceLockTest, AnUnreadableOldLockIsTakenOverAFreshOneIsNot) {
    const struct {
        const char* content;
        int ageSeconds;
        bool taken;
    } cases[] = {
        {"", 60, true},
        {"garbage\n", 60, true},
        {"-5\npixora\nhost\n", 60, true},
        // Just created by a starting instance that has not written its name yet.
        {"", 0, false},
    };
    for (const auto& c : cases) {
        const QString path = folder_.filePath("pixora.lock");
        QFile::remove(path);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.content);
        file.close();
        Age(path, c.ageSeconds);
        InstanceLock lock(folder_.path());
        EXPECT_EQ(lock.TryAcquire(), c.taken) << c.content << " " << c.ageSeconds;
    }
}

TEST_F(InstanceLockTest, WithoutAFolderTheProgramStillRuns) {
    InstanceLock lock{QString()};
    EXPECT_TRUE(lock.TryAcquire());
}

class RuntimeFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureTestApplication();
        savedRuntime_ = qgetenv("XDG_RUNTIME_DIR");
        savedTmp_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(tmp_.path()));
    }
    void TearDown() override {
        Restore("XDG_RUNTIME_DIR", savedRuntime_);
        Restore("TMPDIR", savedTmp_);
    }
    static void Restore(const char* name, const QByteArray& value) {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
    QString Fallback() const {
        return tmp_.path() + "/pixora-runtime-" + QString::number(getuid());
    }
    QByteArray savedRuntime_;
    QByteArray savedTmp_;
    QTemporaryDir tmp_;
};

TEST_F(RuntimeFolderTest, UsesXdgRuntimeDirWhenSet) {
    QTemporaryDir runtime;
    chmod(QFile::encodeName(runtime.path()).constData(), 0700);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    EXPECT_EQ(InstanceRuntimeFolder(), runtime.path());
}

TEST_F(RuntimeFolderTest, WithoutXdgRuntimeDirMakesAPrivateFolder) {
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(InstanceRuntimeFolder(), Fallback());
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(Fallback()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    // A folder opened up by someone is closed again.
    chmod(QFile::encodeName(Fallback()).constData(), 0777);
    EXPECT_EQ(InstanceRuntimeFolder(), Fallback());
    ASSERT_EQ(stat(QFile::encodeName(Fallback()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(RuntimeFolderTest, APlantedLinkIsRefused) {
    qunsetenv("XDG_RUNTIME_DIR");
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QFile::link(elsewhere.path(), Fallback()));
    EXPECT_EQ(InstanceRuntimeFolder(), QString());
}

}  // namespace
}  // namespace pixora
