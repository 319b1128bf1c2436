#include "core/launch/spawn_error_text.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace vs {
namespace {

TEST(SpawnErrorText, EveryRowOfTheFailureTable) {
  EXPECT_EQ(spawnErrorText(2), "Path or file name not found");
  EXPECT_EQ(spawnErrorText(7), "Arg list too long");
  EXPECT_EQ(spawnErrorText(8), "Exec format error");
  EXPECT_EQ(spawnErrorText(12), "Not enough memory");
  EXPECT_EQ(spawnErrorText(13), "Permission denied");
  EXPECT_EQ(spawnErrorText(22), "Invalid argument");
  EXPECT_EQ(spawnErrorText(24), "Too many open files");
  for (int other : {-1, 0, 1, 3, 9, 20, 23, 25, 1000})
    EXPECT_EQ(spawnErrorText(other), "Unknown") << other;
}

TEST(SpawnErrorText, TheSystemsNumbersMapByName) {
  EXPECT_EQ(spawnErrorText(runtimeStartError(ENOENT)), "Path or file name not found");
  EXPECT_EQ(spawnErrorText(runtimeStartError(EACCES)), "Permission denied");
  EXPECT_EQ(spawnErrorText(runtimeStartError(EMFILE)), "Too many open files");
  EXPECT_EQ(runtimeStartError(ELOOP), ELOOP);  // outside the table: its own number
}

}  // namespace
}  // namespace vs
