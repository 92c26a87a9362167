#pragma once

namespace tamblor {

// Names of the compiled-in XRC templates.
inline constexpr const char* mainMenuName = "IDR_MAINFRAME";
inline constexpr const char* formTemplateName = "IDD_TAMBLOR_FORM";
inline constexpr const char* appIconName = "AppIcon";
inline constexpr const char* aboutTemplateName = "IDD_ABOUTBOX";
inline constexpr const char* explainTemplateName = "IDD_EXPLAIN";

// Registers the image handlers and the compiled-in XRC templates, with every form control and menu
// command bound to its fixed numeric id. Call once, after wx has started and before any template is
// loaded. False when a template the program needs is missing.
bool LoadResources();

}  // namespace tamblor
