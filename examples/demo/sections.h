// The demo prints one section per library area; each lives in its own file.
#pragma once

#include <ostream>

namespace demo {

void FrameSection(std::ostream& Out);
void MatrixSection(std::ostream& Out);

}  // namespace demo
