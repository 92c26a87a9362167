#include "ui/translations.h"

#include <wx/arrstr.h>
#include <wx/translation.h>

#include <cstddef>
#include <cstdlib>

#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>
#endif

namespace tamblor {

// po/en.po compiled by msgfmt, generated at build time.
extern const unsigned char englishCatalog[];
extern const std::size_t englishCatalogSize;

namespace {

constexpr const char* catalogDomain = "tamblor";
constexpr const char* englishName = "en";

// Hands wx the catalog carried in the program, so that no file needs to lie beside it.
class EmbeddedCatalogLoader : public wxTranslationsLoader {
 public:
  wxMsgCatalog* LoadCatalog(const wxString& domain, const wxString& language) override {
    if (domain != catalogDomain || language != englishName) return nullptr;
    const auto bytes = wxScopedCharBuffer::CreateNonOwned(
        reinterpret_cast<const char*>(englishCatalog), englishCatalogSize);
    return wxMsgCatalog::CreateFromData(bytes, domain);
  }
  wxArrayString GetAvailableTranslations(const wxString& domain) const override {
    wxArrayString languages;
    if (domain == catalogDomain) languages.push_back(englishName);
    return languages;
  }
};

}  // namespace

InterfaceLanguage DesktopLanguage() {
#ifdef __WXMSW__
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_ENGLISH ? InterfaceLanguage::English
                                                                   : InterfaceLanguage::Chinese;
#else
  return LanguageFromEnvironment([](const char* name) { return std::getenv(name); });
#endif
}

void UseInterfaceLanguage(InterfaceLanguage language) {
  // Chinese needs no catalog: without one, every text is looked up and found as written.
  if (language == InterfaceLanguage::Chinese) {
    wxTranslations::Set(nullptr);
    return;
  }
  // No wxLocale: the C library's locale stays as GTK set it, and a locale the system lacks
  // brings no warning.
  auto* translations = new wxTranslations;
  translations->SetLoader(new EmbeddedCatalogLoader);
  translations->SetLanguage(englishName);
  // The texts' own language goes unnamed: naming it builds wx's table of all languages, a
  // millisecond and a half of start-up, and the catalog is only ever added for English.
  translations->AddCatalog(catalogDomain, wxLANGUAGE_UNKNOWN);
  wxTranslations::Set(translations);
}

}  // namespace tamblor
