#include "qor/frame/text_file.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "qor/frame/errors.h"

namespace qor {
namespace {

constexpr size_t kBufferSize = 1 << 16;

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

template <class T>
bool ConvertWord(std::string_view Word, T& x) {
  if (Word.size() > 1 && Word.front() == '+' && Word[1] != '-') Word.remove_prefix(1);
  T Value{};
  const auto [End, Error] = std::from_chars(Word.data(), Word.data() + Word.size(), Value);
  if (Error != std::errc() || End != Word.data() + Word.size() || Word.empty()) return false;
  x = Value;
  return true;
}

}  // namespace

TTextFile::TTextFile(const std::string& FileName, TTextFileMode Mode) {
  if (!Open(FileName, Mode)) throw EInOutError("Cannot open file \"" + FileName + "\"");
}

bool TTextFile::Open(const std::string& FileName, TTextFileMode Mode) {
  Close();
  std::error_code Ignored;
  if (std::filesystem::is_directory(FileName, Ignored)) return false;
  static constexpr const char* kModes[] = {"rb", "wb", "ab"};
  FFile.reset(std::fopen(FileName.c_str(), kModes[Mode]));
  if (!FFile) return false;
  FFileName = FileName;
  FMode = Mode;
  return true;
}

void TTextFile::Close() {
  FFile.reset();
  FBuffer.clear();
  FBufferPos = 0;
  FBufferStart = 0;
}

void TTextFile::RequireMode(bool Reading) const {
  if (!FFile) throw EInOutError("File not open");
  if (Reading != (FMode == tfmRead))
    throw EInOutError(
        std::string(Reading ? "File not open for input: \"" : "File not open for output: \"") +
        FFileName + "\"");
}

bool TTextFile::FillBuffer() {
  RequireMode(true);
  if (FBufferPos < FBuffer.size()) return true;
  FBufferStart += static_cast<int64_t>(FBuffer.size());
  FBuffer.resize(kBufferSize);
  FBuffer.resize(std::fread(FBuffer.data(), 1, kBufferSize, FFile.get()));
  FBufferPos = 0;
  return !FBuffer.empty();
}

bool TTextFile::Eof() { return !FillBuffer(); }

bool TTextFile::Eoln() {
  char c;
  return !PeekChar(c) || c == '\n' || c == '\r';
}

bool TTextFile::PeekChar(char& c) {
  if (!FillBuffer()) return false;
  c = FBuffer[FBufferPos];
  return true;
}

bool TTextFile::ReadChar(char& c) {
  if (!PeekChar(c)) return false;
  ++FBufferPos;
  return true;
}

bool TTextFile::ReadLine(std::string& Line) {
  Line.clear();
  if (Eof()) return false;
  char c;
  while (ReadChar(c) && c != '\n') Line.push_back(c);
  if (!Line.empty() && Line.back() == '\r') Line.pop_back();
  return true;
}

std::string TTextFile::ReadWord() {
  char c;
  while (PeekChar(c) && IsWhiteSpace(c)) ++FBufferPos;
  std::string Word;
  while (PeekChar(c) && !IsWhiteSpace(c)) {
    Word.push_back(c);
    ++FBufferPos;
  }
  return Word;
}

bool TTextFile::ReadDouble(double& x) { return ConvertWord(ReadWord(), x); }

bool TTextFile::ReadInteger(int32_t& x) { return ConvertWord(ReadWord(), x); }

int64_t TTextFile::Position() const {
  return FMode == tfmRead ? FBufferStart + static_cast<int64_t>(FBufferPos)
                          : static_cast<int64_t>(std::ftell(FFile.get()));
}

void TTextFile::Seek(int64_t Offset) {
  RequireMode(true);
  if (Offset >= FBufferStart && Offset <= FBufferStart + static_cast<int64_t>(FBuffer.size())) {
    FBufferPos = static_cast<size_t>(Offset - FBufferStart);
    return;
  }
  if (std::fseek(FFile.get(), static_cast<long>(Offset), SEEK_SET) != 0)
    throw EInOutError("Seek error on file \"" + FFileName + "\"");
  FBuffer.clear();
  FBufferPos = 0;
  FBufferStart = Offset;
}

void TTextFile::Write(std::string_view Text) {
  RequireMode(false);
  if (std::fwrite(Text.data(), 1, Text.size(), FFile.get()) != Text.size())
    throw EInOutError("Write error on file \"" + FFileName + "\"");
}

void TTextFile::WriteLn(std::string_view Text) {
  Write(Text);
  Write("\n");
}

}  // namespace qor
