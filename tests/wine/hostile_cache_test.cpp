// A cache holding what a careless or hostile program could leave in it, listed in every view
// through the form and the real adapters: no handler fails (a failure would be an error box), and
// each row shows what the formatting rules make of its record.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "RealPlatform.h"
#include "cache/Columns.h"
#include "seed/SeedSets.h"
#include "window/Form1.h"

namespace tarnwick {
namespace {

class HostileCacheTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    seeder_ = new seed::CacheSeeder;
    std::vector<std::string> refused;
    // Wine takes every entry of the set; a refusal would leave a case untested.
    EXPECT_TRUE(seed::SeedHostileSet(*seeder_, refused)) << ::testing::PrintToString(refused);
  }
  static void TearDownTestSuite() {
    EXPECT_EQ(seeder_->RemoveAll(), 0);
    delete seeder_;
  }

  // The row listing `key`, or 0.
  int RowOf(const std::string& key) const {
    for (int row = 1; row < form.grd.RowCount(); ++row)
      if (form.grd.Cell(kColSourceUrl, row) == key) return row;
    return 0;
  }
  std::string CellOf(const std::string& key, int col) const {
    const int row = RowOf(key);
    return row ? std::string(form.grd.Cell(col, row)) : "(not listed)";
  }
  bool StatusCounts(int rows) const {
    return form.lbl_Status.Caption().starts_with(std::to_string(rows) + " entries in ");
  }

  static seed::CacheSeeder* seeder_;
  testing::RealPlatform real;
  TForm1 form{real.platform};
};

seed::CacheSeeder* HostileCacheTest::seeder_ = nullptr;

TEST_F(HostileCacheTest, ContentViewShowsEveryRecordAsStored) {
  ASSERT_NO_THROW(form.FormCreate());
  EXPECT_TRUE(StatusCounts(form.grd.RowCount() - 1)) << form.lbl_Status.Caption();

  const std::string longUrl = seeder_->Entries().front().key;
  ASSERT_EQ(longUrl.size(), (64u << 10) - 1);
  EXPECT_TRUE(RowOf(longUrl));
  EXPECT_EQ(CellOf(seed::kHostileLargeHeaderUrl, kColHeader).size(), 1u << 20);
  // Kept whole, NUL and all: whatever shows the cell cuts it at the NUL.
  EXPECT_EQ(CellOf(seed::kHostileBytesUrl, kColHeader),
            std::string(seed::kHostileBytesHeader, sizeof seed::kHostileBytesHeader - 1));
  EXPECT_EQ(CellOf(seed::kHostileHugeUrl, kColFileSize), "3221225472");
  EXPECT_EQ(CellOf(seed::kHostileNeverUrl, kColModified), "NEVER");
  EXPECT_EQ(CellOf(seed::kHostileBrokenTimesUrl, kColModified), "#ERROR# 8000000000000000");
}

TEST_F(HostileCacheTest, HistoryBlocksTooShortForATitleGiveAnEmptyOne) {
  ASSERT_NO_THROW(form.FormCreate());
  ASSERT_NO_THROW(form.rdo_History.Click());
  EXPECT_TRUE(StatusCounts(form.grd.RowCount() - 1)) << form.lbl_Status.Caption();
  const std::string prefix = "Visited: " + seeder_->UserName() + "@" + seed::kHostileHistoryUrl;
  // An empty cell holds a single blank; 21 bytes end in half a code unit.
  for (const char* bytes : {"0", "19", "20", "21"})
    EXPECT_EQ(CellOf(prefix + bytes, kColHeader), " ") << bytes << " bytes";
}

TEST_F(HostileCacheTest, CookieViewListsTheCookieOfHighBytesAndNoContent) {
  ASSERT_NO_THROW(form.FormCreate());
  ASSERT_NO_THROW(form.rdo_Cookie.Click());
  const std::string cookie = "Cookie:" + seeder_->UserName() + "@hostile.example/jar/";
  EXPECT_NE(RowOf(cookie), 0) << "the cookie is listed";
  EXPECT_TRUE(StatusCounts(form.grd.RowCount() - 1)) << form.lbl_Status.Caption();
  EXPECT_EQ(RowOf(seed::kHostileBytesUrl), 0);
}

}  // namespace
}  // namespace tarnwick
