#include "ui/result_field_xml_handler.h"

#include "ui/result_field.h"

namespace tamblor {

ResultFieldXmlHandler::ResultFieldXmlHandler() { AddWindowStyles(); }

wxObject* ResultFieldXmlHandler::DoCreateResource() {
  const FieldEdge edge = GetStyle() & wxBORDER_SUNKEN ? FieldEdge::Sunken : FieldEdge::Static;
  auto* field = new ResultField(m_parentAsWindow, GetID(), GetPosition(), GetSize(), edge);
  field->SetAccessibleName(GetText("accessible"));
  SetupWindow(field);
  return field;
}

bool ResultFieldXmlHandler::CanHandle(wxXmlNode* node) { return IsOfClass(node, "ResultField"); }

}  // namespace tamblor
