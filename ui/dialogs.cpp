#include "ui/dialogs.h"

#include <wx/xrc/xmlres.h>

namespace tamblor {

CAboutDlg::CAboutDlg(wxWindow* owner) {
  wxXmlResource::Get()->LoadDialog(this, owner, "IDD_ABOUTBOX");
}

CExplainDlg::CExplainDlg(wxWindow* owner) {
  wxXmlResource::Get()->LoadDialog(this, owner, "IDD_EXPLAIN");
}

}  // namespace tamblor
