// fpgeom_host_demo [folder]: works with points, rectangles and segments the way
// a host application does, stores the values in an archive file in the folder
// (default: a new temporary folder), loads them back and checks them.
// Exit status: 0 when everything matched, 1 on a mismatch, 2 on an error.
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ArchiveRoundTrip.h"
#include "SegmentTour.h"
#include "ValueTour.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage = "usage: fpgeom_host_demo [folder for the archive file]\n";

fs::path MakeTemporaryFolder() {
  std::string pattern = (fs::temp_directory_path() / "fpgeom-demo-XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (mkdtemp(name.data()) == nullptr) {
    throw std::runtime_error("cannot create a folder from " + pattern);
  }
  return fs::path(name.data());
}

fs::path ChooseFolder(int argc, char** argv) {
  if (argc < 2) {
    return MakeTemporaryFolder();
  }
  fs::path folder(argv[1]);
  fs::create_directories(folder);
  return folder;
}

int RunDemo(const fs::path& folder) {
  std::cout << "fpgeom host demo\n\n";
  const host_demo::Shapes shapes = host_demo::ShowValues(std::cout);
  std::cout << '\n';
  const int intersectionMismatches = host_demo::ShowSegmentIntersections(std::cout);

  const std::string path = (folder / "shapes.archive").string();
  std::cout << "\nArchive " << path << '\n';
  host_demo::StoreShapes(shapes, path);
  std::cout << "  stored " << shapes.points.size() << " points and " << shapes.rectangles.size() << " rectangles, "
            << fs::file_size(path) << " bytes\n";
  const host_demo::Shapes loaded = host_demo::LoadShapes(path);
  const int archiveDifferences = host_demo::CountDifferences(shapes, loaded, std::cout);
  std::cout << "  loaded " << loaded.points.size() << " points and " << loaded.rectangles.size() << " rectangles: "
            << (archiveDifferences == 0 ? "all equal to what was stored\n" : "DIFFERENT from what was stored\n");

  const bool allMatched = intersectionMismatches == 0 && archiveDifferences == 0;
  std::cout << '\n' << (allMatched ? "Everything matched.\n" : "Something did not match.\n");
  return allMatched ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help")) {
    std::cout << kUsage;
    return EXIT_SUCCESS;
  }
  if (argc > 2) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    return RunDemo(ChooseFolder(argc, argv));
  } catch (const std::exception& error) {
    std::cerr << "fpgeom_host_demo: " << error.what() << '\n';
    return 2;
  }
}
