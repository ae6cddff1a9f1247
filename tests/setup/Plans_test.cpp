// What the runs decide for every state a folder's survey can report.
#include "setup/Plans.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using setup::BackupState;
using setup::InstallPlan;
using setup::Refusal;
using setup::TextureState;
using setup::UninstallPlan;

constexpr InstallPlan kPlain{};
constexpr InstallPlan kBackUp{.makeBackup = true};
constexpr InstallPlan kSetAsideAndBackUp{.setAside = true, .makeBackup = true};
constexpr InstallPlan kKeepOther{.keepOther = true};
constexpr UninstallPlan kRestore{.restore = true};
constexpr UninstallPlan kKeepAndRestore{.keepOther = true, .restore = true};
constexpr UninstallPlan kForgetRecord{};
constexpr UninstallPlan kRemoveOurs{.removeTexture = true};
constexpr InstallPlan Refused(Refusal why) { return {.refusal = why}; }
constexpr UninstallPlan RefusedUninstall(Refusal why) { return {.refusal = why}; }

struct Row {
  TextureState texture;
  BackupState backup;
  bool payload;
  InstallPlan install;
  UninstallPlan uninstall;
};

const Row kRows[] = {
    // Nothing saved yet: the texture in place is the simulator's own (or it has none), unless ours.
    {TextureState::Other, BackupState::None, true, kBackUp, RefusedUninstall(Refusal::NothingToUninstall)},
    {TextureState::Absent, BackupState::None, true, kBackUp, RefusedUninstall(Refusal::NothingToUninstall)},
    {TextureState::Ours, BackupState::None, true, kPlain, RefusedUninstall(Refusal::NothingToUninstall)},
    // The original saved.
    {TextureState::Ours, BackupState::Original, true, kPlain, kRestore},
    {TextureState::Original, BackupState::Original, true, kPlain, kRestore},
    {TextureState::Absent, BackupState::Original, true, kPlain, kRestore},
    {TextureState::Other, BackupState::Original, true, kKeepOther, kKeepAndRestore},
    // A record that the folder had no texture.
    {TextureState::Absent, BackupState::Record, true, kPlain, kForgetRecord},
    {TextureState::Ours, BackupState::Record, true, kPlain, kRemoveOurs},
    {TextureState::Other, BackupState::Record, true, kKeepOther, RefusedUninstall(Refusal::TextureUnknown)},
    // The saved original damaged: set aside before anything else; never our own texture saved instead.
    {TextureState::Other, BackupState::Unusable, true, kSetAsideAndBackUp, RefusedUninstall(Refusal::BackupUnusable)},
    {TextureState::Absent, BackupState::Unusable, true, kSetAsideAndBackUp, RefusedUninstall(Refusal::BackupUnusable)},
    {TextureState::Ours, BackupState::Unusable, true, {.setAside = true, .originalLost = true},
     RefusedUninstall(Refusal::BackupUnusable)},
    // An archive we did not make: set aside by an installation, never deleted by an uninstallation.
    {TextureState::Other, BackupState::NotOurs, true, kSetAsideAndBackUp, RefusedUninstall(Refusal::BackupNotOurs)},
    {TextureState::Ours, BackupState::NotOurs, true, {.setAside = true}, RefusedUninstall(Refusal::BackupNotOurs)},
    // A texture that cannot be read can be neither saved nor kept.
    {TextureState::Unreadable, BackupState::None, true, Refused(Refusal::TextureUnreadable),
     RefusedUninstall(Refusal::NothingToUninstall)},
    {TextureState::Unreadable, BackupState::Original, true, Refused(Refusal::TextureUnreadable),
     RefusedUninstall(Refusal::TextureUnreadable)},
    {TextureState::Unreadable, BackupState::Record, true, Refused(Refusal::TextureUnreadable),
     RefusedUninstall(Refusal::TextureUnreadable)},
    {TextureState::Unreadable, BackupState::NotOurs, true, Refused(Refusal::TextureUnreadable),
     RefusedUninstall(Refusal::BackupNotOurs)},
    // Without a payload there is nothing to install, and our texture cannot be recognised.
    {TextureState::Unknown, BackupState::None, false, Refused(Refusal::PayloadUnreadable),
     RefusedUninstall(Refusal::NothingToUninstall)},
    {TextureState::Unknown, BackupState::Original, false, Refused(Refusal::PayloadUnreadable), kKeepAndRestore},
    {TextureState::Original, BackupState::Original, false, Refused(Refusal::PayloadUnreadable), kRestore},
    {TextureState::Unknown, BackupState::Record, false, Refused(Refusal::PayloadUnreadable),
     RefusedUninstall(Refusal::TextureUnknown)},
    {TextureState::Absent, BackupState::Record, false, Refused(Refusal::PayloadUnreadable), kForgetRecord},
    {TextureState::Unknown, BackupState::Unusable, false, Refused(Refusal::PayloadUnreadable),
     RefusedUninstall(Refusal::BackupUnusable)},
};

setup::Survey SurveyOf(const Row& row) {
  return {.mainFolder = true, .payloadReadable = row.payload, .texture = row.texture, .backup = row.backup};
}

std::string Describe(const Row& row) {
  return "texture " + std::to_string(static_cast<int>(row.texture)) + ", backup " +
         std::to_string(static_cast<int>(row.backup)) + (row.payload ? ", payload" : ", no payload");
}

TEST(Plans, EachStateOfTheFolderGetsItsDecision) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(Describe(row));
    const setup::Survey survey = SurveyOf(row);
    const InstallPlan install = setup::PlanInstallation(survey);
    EXPECT_EQ(install.refusal, row.install.refusal);
    EXPECT_EQ(install, row.install);
    const UninstallPlan uninstall = setup::PlanUninstallation(survey);
    EXPECT_EQ(uninstall.refusal, row.uninstall.refusal);
    EXPECT_EQ(uninstall, row.uninstall);
  }
}

// What the rules promise whatever the state: our texture is never saved as the original, and a
// texture that is neither ours nor the saved original is never replaced without a copy.
TEST(Plans, NoStateSavesOurTextureOrReplacesAnotherWithoutACopy) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(Describe(row));
    const setup::Survey survey = SurveyOf(row);
    const InstallPlan install = setup::PlanInstallation(survey);
    if (row.texture == TextureState::Ours) {
      EXPECT_FALSE(install.makeBackup);
    }
    const bool saved = row.backup == BackupState::Original || row.backup == BackupState::Record;
    const bool foreign = row.texture == TextureState::Other || row.texture == TextureState::Unknown;
    if (install.refusal == Refusal::None && saved && foreign) {
      EXPECT_TRUE(install.keepOther);
    }
    const UninstallPlan uninstall = setup::PlanUninstallation(survey);
    if (uninstall.refusal == Refusal::None && foreign) {
      EXPECT_TRUE(uninstall.keepOther);
    }
  }
}

TEST(Plans, AFolderWithoutTheMarkerIsNeitherInstalledNorUninstalled) {
  const setup::Survey survey{.mainFolder = false, .payloadReadable = true, .backup = BackupState::Original};
  EXPECT_EQ(setup::PlanInstallation(survey).refusal, Refusal::NotMainFolder);
  EXPECT_EQ(setup::PlanUninstallation(survey).refusal, Refusal::NotMainFolder);
}

}  // namespace
