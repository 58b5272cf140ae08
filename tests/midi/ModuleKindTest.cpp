#include "midi/ModuleKind.h"

#include <gtest/gtest.h>

namespace tonalyx {
namespace {

TEST(ModuleKind, ASelectionReadsBackAsItIsStored) {
  for (const ModuleKind type :
       {ModuleKind::kGs, ModuleKind::kXg, ModuleKind::kGm, ModuleKind::kGm2})
    EXPECT_EQ(ModuleTypeFromStored(StoredModuleType(type)), type);
  EXPECT_EQ(StoredModuleType(ModuleKind::kGs), 0);
  EXPECT_EQ(StoredModuleType(ModuleKind::kGm2), 3);
  EXPECT_EQ(StoredModuleType(std::nullopt), -1);
  EXPECT_EQ(ModuleTypeFromStored(-1), std::nullopt);
}

TEST(ModuleKind, StoredValuesOutsideTheTypesAreClamped) {
  EXPECT_EQ(ModuleTypeFromStored(-5), std::nullopt);
  EXPECT_EQ(ModuleTypeFromStored(4), ModuleKind::kGm2);
  EXPECT_EQ(ModuleTypeFromStored(7), ModuleKind::kGm2);
  EXPECT_EQ(ModuleTypeFromStored(1), ModuleKind::kXg);
}

TEST(ModuleKind, OnlyGsAndXgHaveNamedSounds) {
  EXPECT_TRUE(HasNamedSounds(ModuleKind::kGs));
  EXPECT_TRUE(HasNamedSounds(ModuleKind::kXg));
  EXPECT_FALSE(HasNamedSounds(ModuleKind::kGm));
  EXPECT_FALSE(HasNamedSounds(ModuleKind::kGm2));
}

}  // namespace
}  // namespace tonalyx
