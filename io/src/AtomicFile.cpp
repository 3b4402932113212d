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
    for (std::size_t written = 0; written < bytes.size();) {
      const ssize_t count = ::write(m_descriptor, bytes.data() + written, bytes.size() - written);
      if (count < 0 && errno == EINTR) continue;
      if (count < 0) Fail("cannot write");
      written += static_cast<std::size_t>(count);
    }
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

}  // namespace

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
  TemporaryFile file(path);
  file.WriteAll(bytes);
  file.Commit();
}

}  // namespace fpgeom::io
