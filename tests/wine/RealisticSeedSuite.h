#pragma once
// A test suite over the realistic seeded set. The Wine tests share one cache, so the set is put in
// when the suite starts and taken out again when it ends.
#include <gtest/gtest.h>

#include "seed/SeedSets.h"

namespace tarnwick::testing {

template <class Base = ::testing::Test>
class RealisticSeedSuite : public Base {
 protected:
  static void SetUpTestSuite() {
    seeder_ = new seed::CacheSeeder;
    ASSERT_TRUE(seed::SeedRealisticSet(*seeder_)) << seeder_->Error();
  }
  static void TearDownTestSuite() {
    EXPECT_EQ(seeder_->RemoveAll(), 0);
    delete seeder_;
  }

  static inline seed::CacheSeeder* seeder_ = nullptr;
};

}  // namespace tarnwick::testing
