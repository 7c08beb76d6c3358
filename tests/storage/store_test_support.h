// Helpers shared by the store tests: a private temporary folder and raw file
// access.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "text/utf.h"

namespace zuvo::testing {

// A fresh folder under the system temp folder, removed with its content.
class TempFolder {
 public:
  TempFolder() {
    std::random_device device;
    path_ = std::filesystem::temp_directory_path() /
            ("zuvo-store-test-" + std::to_string(device()) + "-" + std::to_string(device()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A wide text in a form gtest can print.
inline std::string Utf16Debug(std::u16string_view text) { return Utf16ToUtf8(text); }

}  // namespace zuvo::testing
