// SPDX-License-Identifier: GPL-2.0-or-later
// The private temporary folder when its usual name in the shared temporary location is taken.
#include "platform/temp_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QTemporaryDir>

#include "platform/hostile_folder.h"

namespace pixora {
namespace {

using testing::Describe;
using testing::Plant;
using testing::PlantName;
using testing::ScopedEnvironment;

TEST(PrivateTempFolderTest, AnUnfitUsualFolderIsLeftAloneAndAFreshPrivateOneIsUsed) {
    bool skipped = false;
    for (const Plant plant :
         {Plant::OtherOwner, Plant::OpenMode, Plant::LinkToOurs, Plant::RegularFile}) {
        SCOPED_TRACE(PlantName(plant));
        if (!testing::CanPlant(plant)) {
            skipped = true;
            continue;
        }
        QTemporaryDir root;
        QTemporaryDir elsewhere;
        ScopedEnvironment tmp("TMPDIR", QFile::encodeName(root.path()));
        const std::string usual = root.path().toStdString() + "/pixora-" + std::to_string(getuid());
        ASSERT_TRUE(PlantAt(usual, plant, elsewhere.path().toStdString()));
        const std::string before = Describe(usual);

        const std::string folder = PrivateTempFolder();
        ASSERT_FALSE(folder.empty());
        EXPECT_EQ(folder.rfind(usual + "-", 0), 0u) << folder;
        EXPECT_EQ(folder.back(), '/');
        EXPECT_TRUE(IsPrivateFolder(folder.substr(0, folder.size() - 1)));
        // The clean-up at start and exit goes through the folder in use, never the planted one.
        DeleteTempPictureFiles(folder);
        EXPECT_EQ(Describe(usual), before);
        // The next start finds the same folder, and with it the leftovers of this run.
        EXPECT_EQ(PrivateTempFolder(), folder);
    }
    if (skipped) {
        GTEST_SKIP() << "a folder of another user needs root to make";
    }
}

TEST(PrivateTempFolderTest, AMissingTmpdirMeansTheSystemFolderNotTheRoot) {
    QTemporaryDir root;
    ScopedEnvironment tmp("TMPDIR", QFile::encodeName(root.filePath("missing")));
    const std::string folder = PrivateTempFolder();
    EXPECT_EQ(folder.rfind("/tmp/pixora-" + std::to_string(getuid()), 0), 0u) << folder;
}

}  // namespace
}  // namespace pixora
