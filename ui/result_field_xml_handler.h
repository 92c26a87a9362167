#pragma once

#include <wx/xrc/xmlres.h>

namespace tamblor {

// Makes the form's result fields from XRC objects of class "ResultField": wxBORDER_SUNKEN in
// their style gives the sunken edge, anything else the static edge; <accessible> holds the name
// screen readers give the field.
class ResultFieldXmlHandler : public wxXmlResourceHandler {
 public:
  ResultFieldXmlHandler();

  wxObject* DoCreateResource() override;
  bool CanHandle(wxXmlNode* node) override;
};

}  // namespace tamblor
