#include "platform/instance_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

// Where the lock and the socket go, with hostile things at each of the candidate names.
TEST(RuntimeFolderTest, TheFirstFitCandidateIsUsedAndTheUnfitOnesAreLeftAlone) {
    enum class Choice { Runtime, Cache, Temp, None };
    const struct {
        std::optional<Plant> runtime;  // XDG_RUNTIME_DIR: nullopt = unset, Nothing = fit
        Plant cache;                   // at "pixora" in the cache folder
        Plant temp;                    // at "pixora-runtime-<uid>" in TMPDIR
        Choice choice;
    } cases[] = {
        {Plant::Nothing, Plant::Nothing, Plant::Nothing, Choice::Runtime},
        {std::nullopt, Plant::Nothing, Plant::Nothing, Choice::Cache},
        // A hijacked temporary name changes nothing: every start still meets in the cache.
        {std::nullopt, Plant::Nothing, Plant::OtherOwner, Choice::Cache},
        {std::nullopt, Plant::Nothing, Plant::RegularFile, Choice::Cache},
        {Plant::OpenMode, Plant::Nothing, Plant::Nothing, Choice::Cache},
        {Plant::LinkToOurs, Plant::Nothing, Plant::Nothing, Choice::Cache},
        {Plant::RegularFile, Plant::Nothing, Plant::Nothing, Choice::Cache},
        {Plant::OtherOwner, Plant::Nothing, Plant::Nothing, Choice::Cache},
        {std::nullopt, Plant::OtherOwner, Plant::Nothing, Choice::Temp},
        {std::nullopt, Plant::LinkToOurs, Plant::Nothing, Choice::Temp},
        {std::nullopt, Plant::RegularFile, Plant::OpenMode, Choice::None},
        {std::nullopt, Plant::OtherOwner, Plant::LinkToOurs, Choice::None},
        {std::nullopt, Plant::RegularFile, Plant::OtherOwner, Choice::None},
    };
    EnsureTestApplication();
    bool skipped = false;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.runtime ? PlantName(*c.runtime) : "unset") + " / " +
                     PlantName(c.cache) + " / " + PlantName(c.temp));
        if (!testing::CanPlant(c.runtime.value_or(Plant::Nothing)) || !testing::CanPlant(c.cache) ||
            !testing::CanPlant(c.temp)) {
            skipped = true;
            continue;
        }
        QTemporaryDir root;
        const std::string base = root.path().toStdString();
        for (const char* sub : {"cache", "tmp", "elsewhere"}) {
            ASSERT_EQ(mkdir((base + "/" + sub).c_str(), 0700), 0);
        }
        const std::string elsewhere = base + "/elsewhere";
        const std::string runtime = base + "/run";
        const std::string cache = base + "/cache/pixora";
        const std::string temp = base + "/tmp/pixora-runtime-" + std::to_string(getuid());
        if (c.runtime) {
            ASSERT_TRUE(PlantAt(runtime, *c.runtime, elsewhere));
            if (*c.runtime == Plant::Nothing) {
                ASSERT_EQ(mkdir(runtime.c_str(), 0700), 0);
            }
        }
        ASSERT_TRUE(PlantAt(cache, c.cache, elsewhere));
        ASSERT_TRUE(PlantAt(temp, c.temp, elsewhere));
        const std::string runtimeBefore = Describe(runtime);
        const std::string cacheBefore = Describe(cache);
        const std::string tempBefore = Describe(temp);

        ScopedEnvironment xdgRuntime("XDG_RUNTIME_DIR",
                                     c.runtime ? QByteArray(runtime.c_str()) : QByteArray());
        ScopedEnvironment xdgCache("XDG_CACHE_HOME", QByteArray((base + "/cache").c_str()));
        ScopedEnvironment tmp("TMPDIR", QByteArray((base + "/tmp").c_str()));
        const std::string folder = InstanceRuntimeFolder().toStdString();
        switch (c.choice) {
            case Choice::Runtime:
                EXPECT_EQ(folder, runtime);
                break;
            case Choice::Cache:
                EXPECT_EQ(folder.rfind(cache + "/run-", 0), 0u) << folder;
                EXPECT_EQ(folder.find('/', cache.size() + 1), std::string::npos) << folder;
                EXPECT_TRUE(IsPrivateFolder(folder));
                break;
            case Choice::Temp:
                EXPECT_EQ(folder, temp);
                EXPECT_TRUE(IsPrivateFolder(folder));
                break;
            case Choice::None:
                EXPECT_EQ(folder, "");
                break;
        }
        if (c.runtime && *c.runtime != Plant::Nothing) {
            EXPECT_EQ(Describe(runtime), runtimeBefore);
        }
        if (c.cache != Plant::Nothing) {
            EXPECT_EQ(Describe(cache), cacheBefore);
        }
        if (c.temp != Plant::Nothing) {
            EXPECT_EQ(Describe(temp), tempBefore);
        }
        // Every start arrives at the same folder.
        EXPECT_EQ(InstanceRuntimeFolder().toStdString(), folder);
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
