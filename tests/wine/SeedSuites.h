#pragma once
// Test suites over seeded sets. The Wine tests share one cache, so a set is put in when its suite
// starts and taken out again when it ends.
#include <gtest/gtest.h>

#include <cstdint>

#include "seed/SeedSets.h"

namespace tarnwick::testing {

// The realistic set: content, cookies and history with the awkward cases a viewer meets.
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

// `kCount` small content entries, for work that runs long. Its tests may delete them: what is
// left goes at the end.
template <int kCount>
class SyntheticSeedSuite : public ::testing::Test {
 protected:
  static constexpr int kEntries = kCount;

  static void SetUpTestSuite() {
    seeder_ = new seed::CacheSeeder;
    ASSERT_TRUE(seed::SeedSyntheticEntries(*seeder_, kCount)) << seeder_->Error();
  }
  static void TearDownTestSuite() {
    seeder_->RemoveAll();
    delete seeder_;
  }

  // The bytes of every seeded entry, as a listing's summary counts them.
  static int64_t SeededBytes() {
    uint64_t total = 0;
    for (const seed::SeededEntry& entry : seeder_->Entries()) total += entry.size;
    return static_cast<int64_t>(total);
  }

  static inline seed::CacheSeeder* seeder_ = nullptr;
};

}  // namespace tarnwick::testing
