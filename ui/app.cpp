#include "ui/app.h"

#include <wx/dialog.h>
#include <wx/evtloop.h>

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
  // A session that ends, a polite kill, Ctrl+C in the terminal or the terminal closing: each
  // closes the window like its close box, so the form still saves the settings. Windows has no
  // such signals: its session end is all.
  Bind(wxEVT_END_SESSION, [this](wxCloseEvent&) { CloseMainFrame(); });
#ifdef __UNIX__
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SetSignalHandler(signal, [](int) {
      static_cast<CTamblorApp*>(GetInstance())->CloseMainFrameAfterDialogs();
    });
  }
#endif
  // Shown last, so a window that can be seen can also be closed by a signal.
  frame->Show();
  return true;
}

void CTamblorApp::CloseMainFrame() {
  if (wxWindow* frame = GetTopWindow()) frame->Close(true);
  // The frame goes at the next idle time, which a signal alone does not bring.
  WakeUpIdle();
}

void CTamblorApp::CloseMainFrameAfterDialogs() {
  // A signal is handled inside whatever loop runs, a modal dialog's too. That dialog is a child
  // of the frame, held on the stack of the command showing it: a frame deleted under its loop
  // would delete it a second time. So the dialogs end first, and the frame closes once their
  // loops have returned to the main one.
  for (wxWindow* window : wxTopLevelWindows) {
    auto* dialog = dynamic_cast<wxDialog*>(window);
    if (dialog && dialog->IsModal()) dialog->EndModal(wxID_CANCEL);
  }
  const wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  if (loop && !loop->IsMain()) {
    CallAfter([this] { CloseMainFrameAfterDialogs(); });
    return;
  }
  CloseMainFrame();
}

}  // namespace tamblor
