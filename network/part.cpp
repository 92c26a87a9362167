#include "network/part.h"

namespace tamblor {

std::string_view OriginName(PartOrigin origin) {
  switch (origin) {
    case PartOrigin::E3:
      return "E3";
    case PartOrigin::E6:
      return "E6";
    case PartOrigin::E12:
      return "E12";
    case PartOrigin::E24:
      return "E24";
    case PartOrigin::E48:
      return "E48";
    case PartOrigin::E96:
      return "E96";
    case PartOrigin::E192:
      return "E192";
    case PartOrigin::Stock:
      break;
  }
  return "stock";
}

}  // namespace tamblor
