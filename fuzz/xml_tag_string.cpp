// ReadNextTagInString over arbitrary text, descending into every element's content: positions
// only move forward and every piece returned lies within the text.
#include "fuzz_check.h"
#include "qor/frame/xml_tags.h"

namespace {

void Walk(std::string_view Text, int Depth) {
  int32_t At = 0;
  qor::TXmlTag Tag;
  for (;;) {
    const int32_t Before = At;
    const bool Found = qor::ReadNextTagInString(Text, At, Tag);
    qor::fuzz::Check(At >= Before && At <= static_cast<int32_t>(Text.size()));
    if (!Found) return;
    qor::fuzz::Check(At > Before);
    qor::fuzz::Check(Tag.Name.size() + Tag.Attributes.size() + Tag.Content.size() <= Text.size());
    if (Depth < 8) Walk(Tag.Content, Depth + 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  Walk(qor::fuzz::AsText(Data, Size), 0);
  return 0;
}
