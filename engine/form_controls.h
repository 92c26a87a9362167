#pragma once

#include <string_view>

#include "engine/control_ids.h"

namespace tamblor {

// The calculator form's controls as the Calculate command, the limit checks and the list selection
// use them. The desktop form implements it over its real controls, the command line over plain
// strings, the tests with a recording fake. A form without a focus, a selection or a band picture
// need not implement those: the defaults do nothing and report no current line.
class FormControls {
 public:
  virtual ~FormControls() = default;

  // The whole text of an edit box; the caller keeps its first 7 characters. Valid until the next
  // call.
  virtual std::string_view BoxText(ControlId box) = 0;
  virtual void SetFieldText(ControlId field, std::string_view text) = 0;

  virtual int MatchListCount() = 0;
  // The current line of the match list, or -1 when there is none.
  virtual int MatchListCurrent() { return -1; }
  virtual void MatchListAdd(std::string_view line) = 0;
  virtual void MatchListDelete(int line) = 0;

  virtual void SetFocusTo(ControlId) {}
  // A modal message box owned by the form, with the stop icon and only an OK button.
  // `text` may hold "\n" line breaks.
  virtual void ShowStopMessage(std::string_view text, std::string_view title) = 0;
  // Redraws the band picture from the state's band codes before returning.
  virtual void RepaintBands() {}
};

}  // namespace tamblor
