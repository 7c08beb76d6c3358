#include "storage/pair_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <new>

#include "storage/scramble.h"

namespace zuvo {
namespace {

std::string ErrnoText(const char* what, const std::filesystem::path& path) {
  return std::string(what) + " " + path.string() + ": " + std::strerror(errno);
}

bool WriteAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// Makes the rename itself durable; failure here does not undo the save.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::string FrameStoreText(const std::vector<unsigned char>& signature, std::string_view serialized) {
  std::string bytes;
  bytes.reserve(serialized.size() + 2 * signature.size());
  for (unsigned char b : signature) bytes.push_back(static_cast<char>(b));
  for (char c : serialized) bytes.push_back(static_cast<char>((static_cast<unsigned char>(c) + 128) & 0xFF));
  for (auto it = signature.rbegin(); it != signature.rend(); ++it) bytes.push_back(static_cast<char>(*it));
  return bytes;
}

std::optional<std::string> UnframeStoreBytes(std::string_view bytes, std::size_t n) {
  if (bytes.size() <= 2 * n) return std::nullopt;
  std::string text(bytes.substr(n, bytes.size() - 2 * n));
  for (char& c : text) c = static_cast<char>((static_cast<unsigned char>(c) + 128) & 0xFF);
  return text;
}

SaveResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path folder = path.parent_path();
  std::filesystem::path temp = path;
  temp.replace_filename("." + path.filename().string() + "." + std::to_string(::getpid()) + "." +
                        std::to_string(counter++) + ".tmp");
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return SaveResult::Failed(ErrnoText("cannot create", temp));
  if (!WriteAll(fd, bytes)) {
    SaveResult r = SaveResult::Failed(ErrnoText("cannot write", temp));
    ::close(fd);
    ::unlink(temp.c_str());
    return r;
  }
  if (::fsync(fd) != 0) {
    SaveResult r = SaveResult::Failed(ErrnoText("cannot flush", temp));
    ::close(fd);
    ::unlink(temp.c_str());
    return r;
  }
  if (::close(fd) != 0) {
    SaveResult r = SaveResult::Failed(ErrnoText("cannot close", temp));
    ::unlink(temp.c_str());
    return r;
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    SaveResult r = SaveResult::Failed(ErrnoText("cannot replace", path));
    ::unlink(temp.c_str());
    return r;
  }
  SyncFolder(folder);
  return SaveResult::Ok();
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> result;
  try {
    std::string data;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
      data.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    bool failed = false;
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0) {
        if (errno == EINTR) continue;
        failed = true;
        break;
      }
      if (n == 0) break;
      data.append(buffer, static_cast<std::size_t>(n));
    }
    if (!failed) result = std::move(data);
  } catch (const std::bad_alloc&) {
    result.reset();
  }
  ::close(fd);
  return result;
}

SaveResult SaveStoreText(const std::filesystem::path& path, const std::vector<unsigned char>& signature,
                         std::string_view serialized) {
  if (serialized.size() > kMaxSerializedBytes)
    return SaveResult::Failed("store too large to save (" + std::to_string(serialized.size()) + " bytes)");
  try {
    return WriteFileAtomically(path, FrameStoreText(signature, serialized));
  } catch (const std::bad_alloc&) {
    return SaveResult::Failed("out of memory while saving " + path.string());
  }
}

std::optional<std::string> LoadStoreText(const std::filesystem::path& path, std::size_t signature_length) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  try {
    return UnframeStoreBytes(*bytes, signature_length);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

bool RemoveStoreFile(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
  return !std::filesystem::exists(path, ec);
}

std::u16string UnscrambleRange(std::string_view text, std::size_t first, std::size_t last, std::size_t max_chars) {
  if (first >= last || first >= text.size()) return {};
  if (last > text.size()) last = text.size();
  return UnscrambleText(text.substr(first, last - first), max_chars);
}

}  // namespace zuvo
