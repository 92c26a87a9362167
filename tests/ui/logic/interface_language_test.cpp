#include "ui/interface_language.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

namespace tamblor {
namespace {

using Environment = std::map<std::string, std::string>;
constexpr InterfaceLanguage en = InterfaceLanguage::English, zh = InterfaceLanguage::Chinese;

InterfaceLanguage LanguageOf(const Environment& environment) {
  return LanguageFromEnvironment([&](const char* name) {
    const auto found = environment.find(name);
    return found == environment.end() ? nullptr : found->second.c_str();
  });
}

// gettext's order: LANGUAGE's list first, each entry tried in turn; then LC_ALL, LC_MESSAGES and
// LANG, the first one set deciding; English for "en" locales only.
TEST(InterfaceLanguage, FollowsTheVariablesInGettextsOrder) {
  for (const auto& [environment, language] : {
           std::tuple{Environment{}, zh},
           std::tuple{Environment{{"LANG", "en_US.UTF-8"}}, en},
           std::tuple{Environment{{"LANG", "en"}}, en},
           std::tuple{Environment{{"LANG", "en@shaw"}}, en},
           std::tuple{Environment{{"LANG", "C.UTF-8"}}, zh},
           std::tuple{Environment{{"LANG", "eo.UTF-8"}}, zh},
           std::tuple{Environment{{"LANG", "ena"}}, zh},
           std::tuple{Environment{{"LANG", "de_DE.UTF-8"}}, zh},
           std::tuple{Environment{{"LANG", "en_GB.UTF-8"}, {"LC_MESSAGES", "zh_CN.UTF-8"}}, zh},
           std::tuple{Environment{{"LC_MESSAGES", "en_GB"}, {"LC_ALL", "C"}}, zh},
           std::tuple{Environment{{"LC_ALL", ""}, {"LC_MESSAGES", "en_GB"}}, en},
           std::tuple{Environment{{"LANGUAGE", "en"}, {"LC_ALL", "zh_CN.UTF-8"}}, en},
           std::tuple{Environment{{"LANGUAGE", "zh_CN"}, {"LANG", "en_US.UTF-8"}}, zh},
           std::tuple{Environment{{"LANGUAGE", "de:fr:en_GB:zh"}}, en},
           std::tuple{Environment{{"LANGUAGE", "de::zh_TW:en"}}, zh},
           std::tuple{Environment{{"LANGUAGE", "de"}, {"LANG", "en_US.UTF-8"}}, zh},
           std::tuple{Environment{{"LANGUAGE", ""}, {"LANG", "en_US.UTF-8"}}, en},
       })
    EXPECT_EQ(LanguageOf(environment), language) << ::testing::PrintToString(environment);
}

}  // namespace
}  // namespace tamblor
