// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/instance_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <optional>
#include <string>

#include "platform/hostile_folder.h"
#include "platform/instance_test_support.h"
#include "platform/temp_folder.h"

namespace pixora {
namespace {

using testing::Describe;
using testing::EnsureTestApplication;
using testing::Helper;
using testing::Plant;
using testing::PlantName;
using testing::ScopedEnvironment;

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
    EXPECT_TRUE(first.Held());
    EXPECT_FALSE(first.Unusable());
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

TEST_F(InstanceLockTest, WithoutAFolderTheProgramStillRunsAndSaysSo) {
    InstanceLock lock{QString()};
    EXPECT_TRUE(lock.TryAcquire());
    EXPECT_FALSE(lock.Held());
    EXPECT_TRUE(lock.Unusable());
}

TEST_F(InstanceLockTest, SomethingThatIsNoLockFileIsReportedAndLeftAlone) {
    const std::string path = folder_.filePath("pixora.lock").toStdString();
    const std::string ours = folder_.filePath("ours.txt").toStdString();
    testing::WriteMarker(ours);
    const struct {
        const char* what;
        std::function<int()> make;
    } cases[] = {
        {"a folder", [&] { return mkdir(path.c_str(), 0700); }},
        {"a link to a file of ours", [&] { return symlink(ours.c_str(), path.c_str()); }},
        {"a dangling link", [&] { return symlink("/nonexistent/lock", path.c_str()); }},
        {"a pipe", [&] { return mkfifo(path.c_str(), 0600); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(c.make(), 0);
        const std::string before = Describe(path);
        const std::string oursBefore = Describe(ours);
        InstanceLock lock(folder_.path());
        EXPECT_TRUE(lock.TryAcquire());
        EXPECT_FALSE(lock.Held());
        EXPECT_TRUE(lock.Unusable());
        EXPECT_EQ(Describe(path), before);
        EXPECT_EQ(Describe(ours), oursBefore);
        QFile::remove(QString::fromStdString(path));
        rmdir(path.c_str());
    }
}

// Where the lock and the socket go, with hostile things at each of the candidate names: 0 is
// XDG_RUNTIME_DIR (unset when nullopt), 1 "pixora" in the cache folder (the folder used is
// "run-<host>" in it), 2 "pixora-runtime-<uid>" in TMPDIR, 3 none.
TEST(RuntimeFolderTest, TheFirstFitCandidateIsUsedAndTheUnfitOnesAreLeftAlone) {
    const struct {
        std::optional<Plant> runtime;
        Plant cache;
        Plant temp;
        int chosen;
    } cases[] = {
        {Plant::Private, Plant::Nothing, Plant::Nothing, 0},
        {std::nullopt, Plant::Nothing, Plant::Nothing, 1},
        // A hijacked temporary name changes nothing: every start still meets in the cache.
        {std::nullopt, Plant::Nothing, Plant::OtherOwner, 1},
        {std::nullopt, Plant::Nothing, Plant::RegularFile, 1},
        {Plant::OpenMode, Plant::Nothing, Plant::Nothing, 1},
        {Plant::LinkToOurs, Plant::Nothing, Plant::Nothing, 1},
        {Plant::RegularFile, Plant::Nothing, Plant::Nothing, 1},
        {Plant::OtherOwner, Plant::Nothing, Plant::Nothing, 1},
        {std::nullopt, Plant::OtherOwner, Plant::Nothing, 2},
        {std::nullopt, Plant::LinkToOurs, Plant::Nothing, 2},
        {std::nullopt, Plant::RegularFile, Plant::OpenMode, 3},
        {std::nullopt, Plant::OtherOwner, Plant::LinkToOurs, 3},
        {std::nullopt, Plant::RegularFile, Plant::OtherOwner, 3},
    };
    EnsureTestApplication();
    bool skipped = false;
    for (const auto& c : cases) {
        const Plant plants[] = {c.runtime.value_or(Plant::Nothing), c.cache, c.temp};
        SCOPED_TRACE(std::string(c.runtime ? PlantName(*c.runtime) : "unset") + " / " +
                     PlantName(c.cache) + " / " + PlantName(c.temp));
        if (!std::all_of(std::begin(plants), std::end(plants), testing::CanPlant)) {
            skipped = true;
            continue;
        }
        QTemporaryDir root;
        const std::string base = root.path().toStdString();
        ASSERT_EQ(mkdir((base + "/cache").c_str(), 0700), 0);
        ASSERT_EQ(mkdir((base + "/tmp").c_str(), 0700), 0);
        const std::string paths[] = {base + "/run", base + "/cache/pixora",
                                     base + "/tmp/pixora-runtime-" + std::to_string(getuid())};
        std::string before[3];
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(PlantAt(paths[i], plants[i], base));
            before[i] = Describe(paths[i]);
        }
        ScopedEnvironment xdgRuntime("XDG_RUNTIME_DIR",
                                     c.runtime ? QByteArray(paths[0].c_str()) : QByteArray());
        ScopedEnvironment xdgCache("XDG_CACHE_HOME", QByteArray((base + "/cache").c_str()));
        ScopedEnvironment tmp("TMPDIR", QByteArray((base + "/tmp").c_str()));

        const QString folder = InstanceRuntimeFolder();
        const std::string want = c.chosen < 3 ? paths[c.chosen] : "";
        if (c.chosen == 1) {
            EXPECT_EQ(QFileInfo(folder).path().toStdString(), want);
            EXPECT_TRUE(QFileInfo(folder).fileName().startsWith("run-")) << folder.toStdString();
        } else {
            EXPECT_EQ(folder.toStdString(), want);
        }
        EXPECT_TRUE(folder.isEmpty() || IsPrivateFolder(folder.toStdString()));
        for (int i = 0; i < 3; ++i) {
            if (i != c.chosen) {
                EXPECT_EQ(Describe(paths[i]), before[i]) << i;
            }
        }
        // Every start arrives at the same folder.
        EXPECT_EQ(InstanceRuntimeFolder(), folder);
    }
    if (skipped) {
        GTEST_SKIP() << "a folder of another user needs root to make";
    }
}

// Without XDG_RUNTIME_DIR and with the temporary name taken, two starts still meet.
TEST(RuntimeFolderTest, AHijackedTemporaryNameDoesNotMakeTwoFirstInstances) {
    EnsureTestApplication();
    QTemporaryDir root;
    const QString tmpFolder = root.filePath("tmp");
    ASSERT_TRUE(QDir().mkpath(tmpFolder));
    ASSERT_TRUE(PlantAt((tmpFolder + "/pixora-runtime-" + QString::number(getuid())).toStdString(),
                        Plant::RegularFile, root.path().toStdString()));
    ScopedEnvironment xdgRuntime("XDG_RUNTIME_DIR", QByteArray());
    ScopedEnvironment xdgCache("XDG_CACHE_HOME", QFile::encodeName(root.filePath("cache")));
    ScopedEnvironment tmp("TMPDIR", QFile::encodeName(tmpFolder));

    Helper holder(QString(), {"hold-lock"},
                  {"XDG_CACHE_HOME=" + root.filePath("cache"), "TMPDIR=" + tmpFolder});
    ASSERT_EQ(holder.NextLine(), "HOLDING");
    InstanceLock lock;
    EXPECT_FALSE(lock.FileName().isEmpty());
    EXPECT_FALSE(lock.TryAcquire());
}

}  // namespace
}  // namespace pixora
