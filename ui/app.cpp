#include "ui/app.h"

#include <csignal>

#include "ui/main_frame.h"
#include "ui/resources.h"
#include "ui/translations.h"

namespace tamblor {

bool CTamblorApp::OnInit() {
  UseInterfaceLanguage(DesktopLanguage());
  if (!LoadResources()) return false;
  auto* frame = new CMainFrame;
  SetTopWindow(frame);
  frame->Show();
  // A session that ends, a polite kill, Ctrl+C in the terminal or the terminal closing: each
  // closes the window like its close box, so the form still saves the settings. Windows has no
  // such signals: its session end is all.
  Bind(wxEVT_END_SESSION, [this](wxCloseEvent&) { CloseMainFrame(); });
#ifdef __UNIX__
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SetSignalHandler(signal,
                     [](int) { static_cast<CTamblorApp*>(GetInstance())->CloseMainFrame(); });
  }
#endif
  return true;
}

void CTamblorApp::CloseMainFrame() {
  if (wxWindow* frame = GetTopWindow()) frame->Close(true);
  // The frame goes at the next idle time, which a signal alone does not bring.
  WakeUpIdle();
}

}  // namespace tamblor
