#include "store/PlayerFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace quenna {
namespace {

std::string SystemReason(int error) {
  return std::strerror(error);
}

// Why something that is not an ordinary file cannot be read or written as one; empty for
// an ordinary file. A folder keeps the system's words.
std::string NotAFileReason(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return SystemReason(EISDIR);
  if (S_ISFIFO(mode)) return "it is a named pipe, not a file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a file";
  if (S_ISSOCK(mode)) return "it is a socket, not a file";
  return "it is not an ordinary file";
}

// The file a path names after every symlink on the way is followed; a link's relative
// target counts from the link's own folder. Stops at the first name that is not a link.
std::optional<std::filesystem::path> FollowLinks(std::filesystem::path file, int& error) {
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code code;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(file, code))) return file;
    const std::filesystem::path target = std::filesystem::read_symlink(file, code);
    if (code) {
      error = code.value();
      return std::nullopt;
    }
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
  error = ELOOP;
  return std::nullopt;
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

// Creates a new hidden file beside the one to be replaced, under a name no other file has,
// with an ordinary file's permissions less the process's umask. Returns the descriptor (or
// -1 with errno set) and the name made. The umask itself is never changed: other threads
// may be creating files at the same time.
int CreateTemporaryBeside(const std::filesystem::path& folder, const std::string& name,
                          std::string& made) {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device entropy;
  std::mt19937_64 draw(entropy());
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string suffix(8, 'x');
    for (char& letter : suffix) letter = kLetters[pick(draw)];
    made = (folder / ("." + name + "." + suffix)).string();
    const int fd = ::open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

std::optional<std::string> WriteWholeFile(const std::filesystem::path& name,
                                          std::string_view bytes) {
  int linkError = 0;
  const auto target = FollowLinks(name, linkError);
  if (!target) return SystemReason(linkError);
  const std::filesystem::path& file = *target;

  // The new file gets the old one's permissions, or an ordinary file's (0666 less the
  // umask, which the system applies when it creates the file).
  std::optional<mode_t> oldMode;
  struct stat old {};
  if (::stat(file.c_str(), &old) == 0) {
    const std::string notAFile = NotAFileReason(old.st_mode);
    if (!notAFile.empty()) return notAFile;
    // The rename would replace a write-protected file all the same; its owner said no.
    if ((old.st_mode & 0222) == 0) return "it is read-only";
    if (::access(file.c_str(), W_OK) != 0) return SystemReason(errno);
    oldMode = old.st_mode & 07777;
  } else if (errno != ENOENT) {
    return SystemReason(errno);
  }

  const std::filesystem::path folder =
      file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  std::string temporary;
  Descriptor out(CreateTemporaryBeside(folder, file.filename().string(), temporary));
  if (out.get() < 0) return SystemReason(errno);
  auto fail = [&temporary](int error) -> std::optional<std::string> {
    ::unlink(temporary.c_str());
    return SystemReason(error);
  };
  if (oldMode && ::fchmod(out.get(), *oldMode) != 0) return fail(errno);

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
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) {
    content.problem = SystemReason(errno);
    return content;
  }
  content.problem = NotAFileReason(info.st_mode);
  if (!content.problem.empty()) return content;
  // Not blocking: should a pipe have taken the file's place meanwhile, the open returns.
  Descriptor in(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (in.get() < 0) {
    content.problem = SystemReason(errno);
    return content;
  }
  if (::fstat(in.get(), &info) != 0) {
    content.problem = SystemReason(errno);
    return content;
  }
  content.problem = NotAFileReason(info.st_mode);
  if (!content.problem.empty()) return content;
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

std::optional<std::string> CopyWholeFile(const std::filesystem::path& file,
                                         const std::filesystem::path& copy) {
  constexpr std::uintmax_t kLimit = 64 * 1024 * 1024;
  const FileContent content = ReadWholeFile(file, kLimit);
  if (!content.problem.empty()) return content.problem;
  if (content.size > kLimit) return SystemReason(EFBIG);
  return WriteWholeFile(copy, std::string_view(reinterpret_cast<const char*>(content.bytes.data()),
                                               content.bytes.size()));
}

namespace {

bool UsableHome(const std::optional<std::string>& home) {
  if (!home || home->empty() || home->front() != '/') return false;
  std::error_code error;
  const std::filesystem::path path(*home);
  return path.relative_path() != "" && std::filesystem::is_directory(path, error);
}

}  // namespace

GameFolder PrepareGameFolder(const GameFolderSources& sources) {
  GameFolder chosen;
  if (sources.dataHome && !sources.dataHome->empty() && sources.dataHome->front() == '/') {
    chosen.folder = std::filesystem::path(*sources.dataHome) / "quenna2";
  } else {
    for (const auto* home : {&sources.home, &sources.accountHome}) {
      if (!UsableHome(*home)) continue;
      chosen.folder = std::filesystem::path(**home) / ".local" / "share" / "quenna2";
      break;
    }
  }
  if (chosen.folder.empty()) {
    chosen.problem = "there is no home folder to keep it in";
    return chosen;
  }
  std::error_code error;
  std::filesystem::create_directories(chosen.folder, error);
  if (error) {
    chosen.problem = error.message();
  } else if (!std::filesystem::is_directory(chosen.folder, error)) {
    chosen.problem = "it is not a folder";
  } else if (::access(chosen.folder.c_str(), W_OK | X_OK) != 0) {
    chosen.problem = SystemReason(errno);
  }
  return chosen;
}

std::string GameFolderWarning(const GameFolder& chosen) {
  const std::string where =
      chosen.folder.empty() ? "Your game folder" : "Your game folder " + chosen.folder.string();
  return where + " cannot be used (" + chosen.problem +
         "). You can play, but games and high scores cannot be saved there.";
}

}  // namespace quenna
