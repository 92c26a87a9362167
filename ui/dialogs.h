#pragma once

#include <wx/dialog.h>

namespace tamblor {

// "关于rarad": the program's name and version.
class CAboutDlg : public wxDialog {
 public:
  explicit CAboutDlg(wxWindow* owner);
};

// "zadazud ?": what the calculator is for.
class CExplainDlg : public wxDialog {
 public:
  explicit CExplainDlg(wxWindow* owner);
};

}  // namespace tamblor
