// Not a check: with TAMBLOR_SCREENSHOT set to a file name, writes a PNG of the window after a
// calculation there (scripts/screenshot keeps the README's picture current this way).

#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/textctrl.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "engine/control_ids.h"
#include "tests/ui/gui/gui_testing.h"
#include "ui/main_frame.h"
#include "ui/tamblor_view.h"

namespace tamblor {
namespace {

TEST(Screenshot, WindowAfterACalculation) {
  const char* target = std::getenv("TAMBLOR_SCREENSHOT");
  if (!target) GTEST_SKIP() << "TAMBLOR_SCREENSHOT names no file";
  const std::filesystem::path output = std::filesystem::absolute(target);
  testing::ScopedTemporaryDirectory directory;

  auto* frame = new CMainFrame;
  frame->Show();
  testing::WaitUntil([&] { return frame->IsActive(); });
  auto* required = static_cast<wxTextCtrl*>(frame->FindWindow(IDC_REQUIRED));
  required->SetValue("5k");
  required->SetInsertionPointEnd();
  testing::PressEnter(*required);
  // Let the window manager and GTK finish drawing before the pixels are read.
  for (int round = 0; round < 10; ++round) {
    testing::ProcessEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
  }

  const wxRect area = frame->GetScreenRect();
  wxBitmap picture(area.GetSize(), 24);
  {
    wxMemoryDC memory(picture);
    wxScreenDC screen;
    memory.Blit(0, 0, area.width, area.height, &screen, area.x, area.y);
  }
  EXPECT_TRUE(picture.SaveFile(wxString::FromUTF8(output.string()), wxBITMAP_TYPE_PNG));
  frame->Destroy();
  testing::ProcessEvents();
}

}  // namespace
}  // namespace tamblor
