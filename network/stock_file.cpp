#include "network/stock_file.h"

#include "network/part_set.h"
#include "values/bounded_file.h"

namespace tamblor {

StockFileReading ReadStockFile(const std::filesystem::path& file) {
  std::string reason;
  const std::optional<std::string> bytes = ReadBoundedRegularFile(file, maxStockFileSize, reason);
  if (!bytes) return {{}, "cannot read " + file.string() + ": " + reason};
  StockList list = ParseStockList(*bytes);
  if (list.error) {
    return {
        {},
        file.string() + ": line " + std::to_string(list.error->line) + ": " + list.error->reason};
  }
  return {std::move(list.parts), std::nullopt};
}

}  // namespace tamblor
