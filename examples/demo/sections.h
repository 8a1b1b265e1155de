// The demo prints one section per library area; each lives in its own file.
#pragma once

#include <ostream>

namespace demo {

void FrameSection(std::ostream& Out);
void ComplexSection(std::ostream& Out);
void SLineSection(std::ostream& Out);
void FormatSection(std::ostream& Out);
void ScalarSection(std::ostream& Out);
void VectorSection(std::ostream& Out);
void MatrixSection(std::ostream& Out);

}  // namespace demo
