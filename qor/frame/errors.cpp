#include "qor/frame/errors.h"

namespace qor {

std::string RoutineMessage(std::string_view Routine, std::string_view Text) {
  std::string Result;
  Result.reserve(Routine.size() + 2 + Text.size());
  Result.append(Routine).append(": ").append(Text);
  return Result;
}

std::string ComponentMessage(std::string_view Name, std::string_view Suffix) {
  std::string Result = "Component \"";
  Result.append(Name).append(Suffix);
  return Result;
}

}  // namespace qor
