#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fpgeom/io/AtomicFile.h"
#include "fpgeom/io/IoErrors.h"

namespace fpgeom::io {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
 protected:
  void SetUp() override {
    m_folder = fs::temp_directory_path() /
               ("fpgeom-atomic-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
  }
  void TearDown() override { fs::remove_all(m_folder); }

  static std::string Contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }
  std::size_t Entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_folder), {})); }

  fs::path m_folder;
};

TEST_F(AtomicFile, ReplacesTheTargetWholeAndLeavesNoTemporary) {
  const fs::path target = m_folder / "out.wkt";
  WriteFileAtomically(target.string(), "first");
  WriteFileAtomically(target.string(), std::string("second\0binary", 13));
  EXPECT_EQ(Contents(target), std::string("second\0binary", 13));
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFile, AFailureNamesThePathAndLeavesNothingBehind) {
  const fs::path missingFolder = m_folder / "missing" / "out.wkt";
  EXPECT_THROW(WriteFileAtomically(missingFolder.string(), "x"), WriteError);
  // A folder in the target's place cannot be replaced by a file.
  const fs::path folderTarget = m_folder / "taken";
  fs::create_directory(folderTarget);
  try {
    WriteFileAtomically(folderTarget.string(), "x");
    ADD_FAILURE() << "replaced a folder";
  } catch (const WriteError& error) {
    EXPECT_EQ(std::string(error.what()).rfind(folderTarget.string() + ": cannot replace", 0), 0u) << error.what();
  }
  EXPECT_TRUE(fs::is_directory(folderTarget));
  EXPECT_EQ(Entries(), 1u);
}

}  // namespace
}  // namespace fpgeom::io
