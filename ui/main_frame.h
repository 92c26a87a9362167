#pragma once

#include <wx/frame.h>
#include <wx/weakref.h>

namespace tamblor {

class CTamblorView;
class FinderWindow;

// The settings the menu changes; the check marks show them.
struct MenuState {
  bool tooltipsOn = false;
  bool bandsShown = false;
  int e24BandCount = 4;  // 4, 5 or 6
  int e96BandCount = 5;  // 5 or 6
  bool alwaysOnTop = false;
};

// The codes the frame handles in OnFrameRequest: each re-runs one of its commands.
enum FrameRequest : int {
  RequestTooltips = 1,
  RequestBandPicture = 2,
  RequestE24Bands = 3,
  RequestE96Bands = 4,
  RequestAlwaysOnTop = 7,
};

// When the form's initial update runs: as the frame is made (the program), or when the caller
// runs it (to look at the form before it is initialised).
enum class InitialUpdate { WithFrame, Later };

// The main window "zadazud": the menu and the calculator form filling it. By default construction
// runs the form's initial update, so a constructed frame is ready for input once shown.
class CMainFrame : public wxFrame {
 public:
  explicit CMainFrame(InitialUpdate when = InitialUpdate::WithFrame);
  ~CMainFrame() override;

  MenuState& menuState() { return menu_; }
  CTamblorView& view() { return *view_; }

  // The form's requests; any other code does nothing.
  void OnFrameRequest(int code);

  // The commands of the menu.
  void OnAlwaysOnTop();
  void OnTooltips();
  void OnBandPicture();
  void OnE24Bands(int count);
  void OnE96Bands(int count);
  void OnExplain();
  void OnAbout();
  // Opens a finder window, or raises the one open.
  void OnNetworkFinder();
  void OnDividerFinder();
  // The finder windows open, or nullptr.
  FinderWindow* networkFinder() { return networkFinder_; }
  FinderWindow* dividerFinder() { return dividerFinder_; }

 private:
  void BindMenu();

  MenuState menu_;
  CTamblorView* view_ = nullptr;
  // Children of the frame, so they close with it; each clears itself when closed.
  wxWeakRef<FinderWindow> networkFinder_;
  wxWeakRef<FinderWindow> dividerFinder_;
};

}  // namespace tamblor
