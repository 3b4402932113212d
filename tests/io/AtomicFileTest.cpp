// How a failed write is refused and cleaned up is checked end to end by the
// tool's unwritable-output case; here, that a write replaces the target whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fpgeom/io/AtomicFile.h"

namespace fpgeom::io {
namespace {

namespace fs = std::filesystem;

TEST(AtomicFile, ReplacesTheTargetWholeAndLeavesNoTemporary) {
  const fs::path folder = fs::temp_directory_path() / "fpgeom-atomic-replace";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path target = folder / "out.wkt";
  WriteFileAtomically(target.string(), "first, and longer");
  WriteFileAtomically(target.string(), std::string("second\0binary", 13));
  std::ifstream file(target, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), std::string("second\0binary", 13));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);
  file.close();
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fpgeom::io
