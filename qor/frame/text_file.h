// TTextFile: the open text file that the library's text readers and writers take.
//
// A file is opened for reading, for writing from scratch (rewrite) or for appending. Reading
// goes by character, by line or by blank-separated word; lines end with LF, and a CR before
// the LF is dropped, so files written on either platform read the same. Writing puts the text
// as it is and ends lines with LF. Positions are byte offsets from the start of the file.
//
// Opening through the constructor raises EInOutError with "Cannot open file \"name\"" when the
// file cannot be opened; Open() reports the same through its result. A failed write raises
// EInOutError "Write error on file \"name\"". Reads never raise: at the end of the file they
// report false and leave their output empty. Reading a file opened for writing, or writing
// one opened for reading, raises EInOutError.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

enum TTextFileMode : uint8_t { tfmRead, tfmRewrite, tfmAppend };

class TTextFile {
 public:
  TTextFile() = default;
  TTextFile(const std::string& FileName, TTextFileMode Mode);

  // Closes any open file, then opens FileName; false when it cannot be opened.
  bool Open(const std::string& FileName, TTextFileMode Mode);
  void Close();
  bool IsOpen() const { return FFile != nullptr; }
  const std::string& FileName() const { return FFileName; }

  // True when no character is left to read.
  bool Eof();
  // True at the end of a line (before its CR or LF) or of the file.
  bool Eoln();
  // The next character without consuming it; false at the end of the file.
  bool PeekChar(char& c);
  bool ReadChar(char& c);
  // The rest of the current line without its line end; false at the end of the file.
  bool ReadLine(std::string& Line);
  // The next word: white space (blank, tab, CR, LF) is skipped, then the characters up to the
  // next white space are taken; the terminating white space is left unread. Empty at the end.
  std::string ReadWord();
  // The next word converted as a decimal number ("." as separator, optional sign and exponent).
  // A word that does not convert completely is consumed and false returned; x keeps its value.
  bool ReadDouble(double& x);
  bool ReadInteger(int32_t& x);

  int64_t Position() const;
  // Moves the read position to a byte offset obtained from Position().
  void Seek(int64_t Offset);

  void Write(std::string_view Text);
  void WriteLn(std::string_view Text = {});

 private:
  struct TFileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };

  bool FillBuffer();
  void RequireMode(bool Reading) const;

  std::unique_ptr<std::FILE, TFileCloser> FFile;
  std::string FFileName;
  TTextFileMode FMode = tfmRead;
  std::vector<char> FBuffer;
  size_t FBufferPos = 0;
  int64_t FBufferStart = 0;  // file offset of FBuffer[0]
};

}  // namespace qor
