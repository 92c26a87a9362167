#include "ui/main_frame.h"

#include <wx/icon.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/xrc/xmlres.h>

#include "ui/command_ids.h"
#include "ui/dialogs.h"
#include "ui/divider_finder_window.h"
#include "ui/network_finder_window.h"
#include "ui/resources.h"
#include "ui/tamblor_view.h"

namespace tamblor {

CMainFrame::CMainFrame(InitialUpdate when) : wxFrame(nullptr, wxID_ANY, "zadazud") {
  // Dialog units follow the top-level window's font, so it is fixed before the form is laid out.
  SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
  wxXmlResource& resources = *wxXmlResource::Get();
  wxIcon icon;
  icon.CopyFromBitmap(resources.LoadBitmap(appIconName));
  SetIcon(icon);
  SetMenuBar(resources.LoadMenuBar(this, mainMenuName));
  view_ = new CTamblorView(*this);
  // The whole form stays visible: the window can't be made smaller than it.
  SetMinClientSize(view_->FormSize());
  BindMenu();
  if (when == InitialUpdate::WithFrame) view_->OnInitialUpdate();
}

CMainFrame::~CMainFrame() {
  // The form saves the menu state as it goes, so it goes while this frame is still whole.
  view_->Destroy();
}

void CMainFrame::OnFrameRequest(int code) {
  switch (code) {
    case RequestTooltips:
      OnTooltips();
      break;
    case RequestBandPicture:
      OnBandPicture();
      break;
    case RequestE24Bands:
      OnE24Bands(menu_.e24BandCount);
      break;
    case RequestE96Bands:
      OnE96Bands(menu_.e96BandCount);
      break;
    case RequestAlwaysOnTop:
      OnAlwaysOnTop();
      break;
    default:
      break;
  }
}

void CMainFrame::OnAlwaysOnTop() {
  menu_.alwaysOnTop = !menu_.alwaysOnTop;
  const long style = GetWindowStyleFlag();
  SetWindowStyleFlag(menu_.alwaysOnTop ? style | wxSTAY_ON_TOP : style & ~wxSTAY_ON_TOP);
}

void CMainFrame::OnTooltips() {
  menu_.tooltipsOn = !menu_.tooltipsOn;
  view_->OnApplySetting(ApplyTooltips, menu_.tooltipsOn ? 1 : 0);
}

void CMainFrame::OnBandPicture() {
  menu_.bandsShown = !menu_.bandsShown;
  view_->OnApplySetting(ApplyBandPicture, menu_.bandsShown ? 1 : 0);
}

void CMainFrame::OnE24Bands(int count) {
  menu_.e24BandCount = count;
  view_->OnApplySetting(ApplyE24BandCount, count);
  view_->OnApplySetting(ApplyRecalculate, 0);
}

void CMainFrame::OnE96Bands(int count) {
  menu_.e96BandCount = count;
  view_->OnApplySetting(ApplyE96BandCount, count);
  view_->OnApplySetting(ApplyRecalculate, 0);
}

void CMainFrame::OnExplain() {
  CExplainDlg dialog(this);
  dialog.ShowModal();
}

void CMainFrame::OnAbout() {
  CAboutDlg dialog(this);
  dialog.ShowModal();
}

namespace {

template <typename Window>
void ShowFinder(wxWindow* frame, wxWeakRef<FinderWindow>& window) {
  if (!window) window = new Window(frame);
  window->Show();
  window->Raise();
}

}  // namespace

void CMainFrame::OnNetworkFinder() { ShowFinder<NetworkFinderWindow>(this, networkFinder_); }

void CMainFrame::OnDividerFinder() { ShowFinder<DividerFinderWindow>(this, dividerFinder_); }

void CMainFrame::BindMenu() {
  const auto command = [this](CommandId id, auto action) {
    Bind(
        wxEVT_MENU, [action](wxCommandEvent&) { action(); }, MenuItemId(id));
  };
  const auto check = [this](CommandId id, auto checked) {
    Bind(
        wxEVT_UPDATE_UI, [checked](wxUpdateUIEvent& event) { event.Check(checked()); },
        MenuItemId(id));
  };
  command(ID_ALWAYS_ON_TOP, [this] { OnAlwaysOnTop(); });
  command(ID_TOOLTIPS, [this] { OnTooltips(); });
  command(ID_BAND_PICTURE, [this] { OnBandPicture(); });
  command(ID_E24_4_BANDS, [this] { OnE24Bands(4); });
  command(ID_E24_5_BANDS, [this] { OnE24Bands(5); });
  command(ID_E24_6_BANDS, [this] { OnE24Bands(6); });
  command(ID_E96_5_BANDS, [this] { OnE96Bands(5); });
  command(ID_E96_6_BANDS, [this] { OnE96Bands(6); });
  command(ID_EXPLAIN, [this] { OnExplain(); });
  command(ID_NETWORK_FINDER, [this] { OnNetworkFinder(); });
  command(ID_DIVIDER_FINDER, [this] { OnDividerFinder(); });
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { OnAbout(); }, wxID_ABOUT);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { Close(true); }, wxID_EXIT);

  check(ID_ALWAYS_ON_TOP, [this] { return menu_.alwaysOnTop; });
  check(ID_TOOLTIPS, [this] { return menu_.tooltipsOn; });
  check(ID_BAND_PICTURE, [this] { return menu_.bandsShown; });
  check(ID_E24_4_BANDS, [this] { return menu_.e24BandCount == 4; });
  check(ID_E24_5_BANDS, [this] { return menu_.e24BandCount == 5; });
  check(ID_E24_6_BANDS, [this] { return menu_.e24BandCount == 6; });
  check(ID_E96_5_BANDS, [this] { return menu_.e96BandCount == 5; });
  check(ID_E96_6_BANDS, [this] { return menu_.e96BandCount == 6; });
}

}  // namespace tamblor
