// Reads or closes a top-level window of another program under wine, named by the X window wine
// shows it in (which the caller finds from the process id it started):
//   window_probe texts <X window id>   prints each control's id and text, one "id<TAB>text" line
//                                      each, in UTF-8
//   window_probe close <X window id>   asks the window to close, as its close box does

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

namespace {

struct Search {
  HANDLE xWindow;
  HWND found;
};

BOOL CALLBACK MatchXWindow(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  if (GetPropA(window, "__wine_x11_whole_window") != search.xWindow) return TRUE;
  search.found = window;
  return FALSE;
}

// WM_GETTEXT, not GetWindowText: only the message reaches the text an edit control holds in
// another process.
BOOL CALLBACK PrintControl(HWND control, LPARAM) {
  constexpr UINT timeoutMs = 2000;
  wchar_t text[512] = {};
  DWORD_PTR length = 0;
  SendMessageTimeoutW(control, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, timeoutMs, &length);
  std::string utf8(4 * length, '\0');
  utf8.resize(WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), utf8.data(),
                                  static_cast<int>(utf8.size()), nullptr, nullptr));
  std::printf("%d\t%s\n", GetDlgCtrlID(control), utf8.c_str());
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  const bool texts = argc == 3 && std::strcmp(argv[1], "texts") == 0;
  const bool close = argc == 3 && std::strcmp(argv[1], "close") == 0;
  if (!texts && !close) {
    std::fprintf(stderr, "usage: window_probe texts|close <X window id>\n");
    return 2;
  }
  Search search{reinterpret_cast<HANDLE>(std::strtoull(argv[2], nullptr, 0)), nullptr};
  EnumWindows(MatchXWindow, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) {
    std::fprintf(stderr, "window_probe: wine shows no window as X window %s\n", argv[2]);
    return 1;
  }
  if (close) return PostMessageW(search.found, WM_CLOSE, 0, 0) ? 0 : 1;
  EnumChildWindows(search.found, PrintControl, 0);
  return 0;
}
