// Random records as a run can produce them, saved (in memory, where flushing costs nothing) and
// loaded back: the same record, each limit within the six decimals that "%f" keeps and short
// enough for its line to fit one 79-character piece. Texts hold what a settings file can give a
// field: no NUL or line feed, no final carriage return, and no key that comes before the field's
// own (none here, without "E" and "N").
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/settings_file.h"

namespace {

tamblor::SettingText Text(FuzzedDataProvider& provider) {
  std::string text = provider.ConsumeRandomLengthString(tamblor::SettingText::maxLength);
  std::erase_if(text, [](char c) { return c == '\0' || c == '\n' || c == 'E' || c == 'N'; });
  while (!text.empty() && text.back() == '\r') text.pop_back();
  return tamblor::SettingText(std::string_view(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string file =
      "/dev/shm/tamblor-round-trip-" + std::to_string(getpid()) + ".dat";
  FuzzedDataProvider provider(data, size);
  const auto flag = [&] { return provider.ConsumeBool(); };
  const auto number = [&] { return provider.ConsumeFloatingPointInRange(-1e60, 1e60); };
  const auto text = [&] { return Text(provider); };
  const tamblor::Settings saved{flag(),
                                flag(),
                                provider.ConsumeIntegralInRange(4, 6),
                                provider.ConsumeIntegralInRange(5, 6),
                                flag(),
                                flag(),
                                {number(), number(), number(), number()},
                                text(),
                                text(),
                                text(),
                                text(),
                                text(),
                                text(),
                                flag()};

  tamblor::Settings loaded;
  if (!tamblor::SaveSettings(saved, file) || !tamblor::LoadSettings(loaded, file)) std::abort();
  for (auto limit : {&tamblor::SeriesLimits::e24Min, &tamblor::SeriesLimits::e24Max,
                     &tamblor::SeriesLimits::e96Min, &tamblor::SeriesLimits::e96Max}) {
    if (!(std::abs(loaded.limits.*limit - saved.limits.*limit) <= 1e-6)) std::abort();
  }
  loaded.limits = saved.limits;
  if (!(loaded == saved)) std::abort();
  return 0;
}
