#include "fpgeom/io/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "fpgeom/io/IoErrors.h"

namespace fpgeom::io {
namespace {

// False with errno set when a write fails.
bool WriteAllTo(int descriptor, const std::string& bytes) {
  for (std::size_t written = 0; written < bytes.size();) {
    const ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return false;
    written += static_cast<std::size_t>(count);
  }
  return true;
}

// A temporary file beside the target, closed and removed on every path that
// does not commit it.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) : m_target(target) {
    const std::filesystem::path path(target);
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    m_name.assign(pattern.begin(), pattern.end());
    m_name.push_back('\0');
    m_descriptor = ::mkstemp(m_name.data());
    if (m_descriptor < 0) Fail("cannot create a file in its folder");
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (m_descriptor >= 0) ::close(m_descriptor);
    if (!m_committed) ::unlink(m_name.data());
  }

  void WriteAll(const std::string& bytes) {
    if (!WriteAllTo(m_descriptor, bytes)) Fail("cannot write");
  }

  // The permissions a newly created file would get, rather than mkstemp's
  // private ones; then every byte to disk before the rename.
  void Commit() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(m_descriptor, 0666 & ~mask) != 0) Fail("cannot set the permissions");
    if (::fsync(m_descriptor) != 0) Fail("cannot write");
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    if (::close(descriptor) != 0) Fail("cannot write");
    if (std::rename(m_name.data(), m_target.c_str()) != 0) Fail("cannot replace");
    m_committed = true;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw WriteError(m_target, what + ": " + std::strerror(errno));
  }

  std::string m_target;
  std::vector<char> m_name;
  int m_descriptor = -1;
  bool m_committed = false;
};

[[noreturn]] void FailWriting(const std::string& path, const std::string& what) {
  throw WriteError(path, what + ": " + std::strerror(errno));
}

// The file a chain of symbolic links ends at, which need not exist yet.
std::string FollowLinks(const std::string& path) {
  std::filesystem::path current(path);
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error))) return current.string();
    const std::filesystem::path target = std::filesystem::read_symlink(current, error);
    if (error) {
      errno = error.value();
      FailWriting(path, "cannot follow the link");
    }
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  errno = ELOOP;
  FailWriting(path, "cannot follow the link");
}

// A FIFO or a device takes the bytes as a stream: open it as it is,
// without creating or truncating anything.
void WriteStream(const std::string& path, const std::string& bytes) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) FailWriting(path, "cannot open");
  const bool written = WriteAllTo(descriptor, bytes);
  const int writeError = errno;
  if (::close(descriptor) != 0 && written) FailWriting(path, "cannot write");
  errno = writeError;
  if (!written) FailWriting(path, "cannot write");
}

}  // namespace

void WriteOutputFile(const std::string& path, const std::string& bytes) {
  const std::string target = FollowLinks(path);
  struct stat status {};
  if (::stat(target.c_str(), &status) != 0) {
    if (errno != ENOENT) FailWriting(path, "cannot write");
    WriteFileAtomically(target, bytes);
  } else if (S_ISDIR(status.st_mode)) {
    throw WriteError(path, "cannot write: it is a folder; give a file name");
  } else if (S_ISREG(status.st_mode)) {
    WriteFileAtomically(target, bytes);
  } else {
    WriteStream(target, bytes);
  }
}

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
  TemporaryFile file(path);
  file.WriteAll(bytes);
  file.Commit();
}

}  // namespace fpgeom::io
