#include "SampleData.h"

#include "ToolErrors.h"

namespace fpgeom::tool {
namespace {

constexpr const char* kSampleName = "sample.wkt";

std::filesystem::path InstalledSampleFolder() {
  std::error_code error;
  const std::filesystem::path tool = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return tool.parent_path().parent_path() / "share" / "fpgeom" / "data";
}

}  // namespace

std::filesystem::path SampleMapFile() {
  for (const std::filesystem::path& folder : {InstalledSampleFolder(), std::filesystem::path(FPGEOM_SAMPLE_DIR)}) {
    std::error_code error;
    if (!folder.empty() && std::filesystem::is_regular_file(folder / kSampleName, error)) return folder / kSampleName;
  }
  throw UsageError(std::string("cannot find the sample map ") + kSampleName + " beside the tool or in " +
                   FPGEOM_SAMPLE_DIR);
}

}  // namespace fpgeom::tool
