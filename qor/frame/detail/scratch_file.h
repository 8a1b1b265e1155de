// A uniquely named file in the temporary directory that is removed again when the object goes
// out of scope; for tests and fuzzing harnesses that must hand a file name to a reader.
#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace qor::detail {

class TScratchFile {
 public:
  explicit TScratchFile(std::string_view Content = {}) {
    static std::atomic<int> Counter{0};
    FPath = std::filesystem::temp_directory_path() /
            ("qor_" + std::to_string(::getpid()) + "_" + std::to_string(Counter++) + ".tmp");
    Write(Content);
  }
  ~TScratchFile() {
    std::error_code Ignored;
    std::filesystem::remove(FPath, Ignored);
  }
  TScratchFile(const TScratchFile&) = delete;
  TScratchFile& operator=(const TScratchFile&) = delete;

  void Write(std::string_view Content) const {
    std::ofstream(FPath, std::ios::binary).write(Content.data(), std::ssize(Content));
  }
  std::string Read() const {
    std::ifstream In(FPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
  }
  std::string Name() const { return FPath.string(); }

 private:
  std::filesystem::path FPath;
};

}  // namespace qor::detail
