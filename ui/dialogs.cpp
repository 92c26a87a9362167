#include "ui/dialogs.h"

#include <wx/xrc/xmlres.h>

#include "ui/resources.h"

namespace tamblor {

CAboutDlg::CAboutDlg(wxWindow* owner) {
  wxXmlResource::Get()->LoadDialog(this, owner, aboutTemplateName);
}

CExplainDlg::CExplainDlg(wxWindow* owner) {
  wxXmlResource::Get()->LoadDialog(this, owner, explainTemplateName);
}

}  // namespace tamblor
