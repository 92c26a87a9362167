// Arbitrary bytes, taken two ways. As a settings file: whatever it holds, reading gives a record
// the program can use, and carriage return and line feed pairs read exactly as bare line feeds. As
// the fields of a record a run can produce, saved (in memory, where flushing costs nothing) and
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
#include <string_view>

#include "settings/settings_file.h"

// With `crlf`, each line feed becomes a carriage return and line feed; without, the carriage
// returns directly before a line feed are dropped.
static std::string WithLineEnds(std::string_view bytes, bool crlf) {
  std::string result;
  for (const char c : bytes) {
    while (c == '\n' && !result.empty() && result.back() == '\r') result.pop_back();
    if (c == '\n' && crlf) result += '\r';
    result += c;
  }
  return result;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const tamblor::Settings settings = tamblor::ReadSettings(bytes);
  if (settings.e24BandCount < 4 || settings.e24BandCount > 6) std::abort();
  if (settings.e96BandCount != 5 && settings.e96BandCount != 6) std::abort();
  for (const tamblor::SettingText* text :
       {&settings.e24MinText, &settings.e24MaxText, &settings.e96MinText1, &settings.e96MaxText1,
        &settings.e96MinText2, &settings.e96MaxText2}) {
    if (text->view().find_first_of(std::string_view("\0\n", 2)) != std::string::npos) std::abort();
  }
  const std::string lineFeeds = WithLineEnds(bytes, false);
  if (!(tamblor::ReadSettings(WithLineEnds(lineFeeds, true)) == tamblor::ReadSettings(lineFeeds))) {
    std::abort();
  }

  static const std::string file = "/dev/shm/tamblor-settings-" + std::to_string(getpid()) + ".dat";
  FuzzedDataProvider provider(data, size);
  const auto flag = [&] { return provider.ConsumeBool(); };
  const auto bands = [&](int fewest) { return provider.ConsumeIntegralInRange(fewest, 6); };
  const auto number = [&] { return provider.ConsumeFloatingPointInRange(-1e60, 1e60); };
  const auto text = [&] {
    std::string text = provider.ConsumeRandomLengthString(tamblor::SettingText::maxLength);
    std::erase_if(text, [](char c) { return c == '\0' || c == '\n' || c == 'E' || c == 'N'; });
    while (!text.empty() && text.back() == '\r') text.pop_back();
    return tamblor::SettingText(std::string_view(text));
  };
  // A braced list runs its initialisers in order.
  const tamblor::Settings saved{
      flag(), flag(), bands(4), bands(5), flag(), flag(), {number(), number(), number(), number()},
      text(), text(), text(),   text(),   text(), text(), flag()};
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
