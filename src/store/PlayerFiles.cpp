#include "store/PlayerFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quenna {
namespace {

std::string SystemReason(int error) {
  return std::strerror(error);
}

// Closes a descriptor once, keeping the first error seen.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

}  // namespace

std::optional<std::string> WriteWholeFile(const std::filesystem::path& file,
                                          std::string_view bytes) {
  const std::filesystem::path folder =
      file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  std::string pattern = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
  Descriptor out(::mkstemp(pattern.data()));
  if (out.get() < 0) return SystemReason(errno);
  const std::string temporary = pattern;
  auto fail = [&temporary](int error) -> std::optional<std::string> {
    ::unlink(temporary.c_str());
    return SystemReason(error);
  };

  // mkstemp makes the file private; a saved game is an ordinary file of the player's.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(out.get(), 0666 & ~mask);

  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(out.get(), bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fsync(out.get()) != 0) return fail(errno);
  if (out.Close() != 0) return fail(errno);
  if (::rename(temporary.c_str(), file.c_str()) != 0) return fail(errno);
  return std::nullopt;
}

FileContent ReadWholeFile(const std::filesystem::path& file, std::uintmax_t limit) {
  FileContent content;
  Descriptor in(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) {
    content.problem = SystemReason(errno);
    return content;
  }
  struct stat info {};
  if (::fstat(in.get(), &info) != 0) {
    content.problem = SystemReason(errno);
    return content;
  }
  if (S_ISDIR(info.st_mode)) {
    content.problem = SystemReason(EISDIR);
    return content;
  }
  content.size = static_cast<std::uintmax_t>(info.st_size);
  if (content.size > limit) return content;

  // Read to the end rather than trusting the size: it may change under us.
  std::uint8_t buffer[4096];
  for (;;) {
    const ssize_t n = ::read(in.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      content.problem = SystemReason(errno);
      content.bytes.clear();
      return content;
    }
    if (n == 0) break;
    content.bytes.insert(content.bytes.end(), buffer, buffer + n);
    if (content.bytes.size() > limit) break;
  }
  content.size = content.bytes.size();
  return content;
}

}  // namespace quenna
