// What both front ends read besides the search: the nearest standard values around a target and
// the parts of a stock file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "network/exact_value.h"
#include "network/nearest.h"
#include "network/stock_file.h"

namespace tamblor {
namespace {

std::string TextOf(const std::optional<StandardValueMatch>& match) {
  return match ? std::string{match->part.text.view()} : "none";
}

TEST(FindNearestValues, TakesTheSmallerErrorAndOnATieTheValueAbove) {
  struct Case {
    std::string_view target;
    PartOrigin series;
    std::string_view nearest, below, above;
  };
  // 1R25 lies exactly halfway between 1R and 1R5; 8k needs the next decade; below the smallest
  // value there is nothing below.
  const Case cases[] = {{"289", PartOrigin::E24, "300R", "270R", "300R"},
                        {"4k7", PartOrigin::E24, "4k7", "4k7", "4k7"},
                        {"1R25", PartOrigin::E6, "1R5", "1R", "1R5"},
                        {"1R24", PartOrigin::E6, "1R", "1R", "1R5"},
                        {"8k", PartOrigin::E3, "10k", "4k7", "10k"},
                        {"9M2", PartOrigin::E192, "9M2", "9M2", "9M2"},
                        {"R011", PartOrigin::E12, "0R01", "0R01", "0R012"},
                        {"R00001", PartOrigin::E3, "0R01", "none", "0R01"}};
  for (const Case& c : cases) {
    const double target = *ExactOhmsFromText(c.target);
    const NearestValues values = FindNearestValues(target, c.series);
    EXPECT_EQ(std::tuple(TextOf(values.nearest), TextOf(values.below), TextOf(values.above)),
              std::tuple(c.nearest, c.below, c.above))
        << c.target;
    ASSERT_TRUE(values.above);
    EXPECT_EQ(values.above->error, (values.above->part.ohms - target) / target * 100.0);
    EXPECT_EQ(values.above->part.origin, c.series);
  }
  // Past the largest value the notation writes there is nothing above, and far below the target
  // the largest of the set.
  const NearestValues beyond = FindNearestValues(1e31, PartOrigin::E3);
  EXPECT_FALSE(beyond.above);
  ASSERT_TRUE(beyond.nearest && beyond.below);
  EXPECT_EQ(std::tuple(beyond.nearest->part.ohms, beyond.below->part.ohms),
            std::tuple(4.7e29, 4.7e29));
}

class StockFileTest : public testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove(path_); }

  const std::string& Write(const std::string& text) {
    std::ofstream(path_, std::ios::binary) << text;
    return path_;
  }

  std::string path_ = testing::TempDir() + "tamblor_stock_" + std::to_string(getpid()) + ".txt";
};

TEST_F(StockFileTest, GivesThePartsOrNamesTheFileAndTheLine) {
  const StockFileReading good = ReadStockFile(Write("4k7 1% 2\n# spare\n\n1k\n"));
  ASSERT_FALSE(good.failure) << *good.failure;
  ASSERT_EQ(good.parts.size(), 2u);
  EXPECT_EQ(std::tuple(good.parts[1].ohms, good.parts[1].tolerance, good.parts[1].count),
            std::tuple(4700.0, 1.0, 2));
  const StockFileReading bad = ReadStockFile(Write("4k7\n4x7\n"));
  EXPECT_TRUE(bad.parts.empty());
  EXPECT_EQ(bad.failure.value_or("").rfind(path_ + ": line 2: ", 0), 0u) << *bad.failure;
}

TEST_F(StockFileTest, ReadsARegularFileOfAtMostOneMebibyte) {
  const std::string line = "1k # " + std::string(58, '.') + "\n";  // 64 bytes
  std::string text;
  for (std::size_t size = 0; size < maxStockFileSize; size += line.size()) text += line;
  EXPECT_FALSE(ReadStockFile(Write(text)).failure);
  EXPECT_EQ(ReadStockFile(Write(text + "\n")).failure,
            "cannot read " + path_ + ": larger than 1048576 bytes");
#ifdef _WIN32
  // Windows has no device files to name; a folder is not a regular file either.
  const std::string notRegular = std::filesystem::path(path_).parent_path().string();
#else
  const std::string notRegular = "/dev/null";
#endif
  EXPECT_EQ(ReadStockFile(notRegular).failure,
            "cannot read " + notRegular + ": not a regular file");
  std::filesystem::remove(path_);
  EXPECT_EQ(ReadStockFile(path_).failure.value_or("").rfind("cannot read " + path_ + ": ", 0), 0u);
}

}  // namespace
}  // namespace tamblor
