// Runs a fuzz target over the files named on the command line, and over every
// file in the folders named there, without libFuzzer: the builds made with
// other compilers replay the committed inputs this way. Arguments that begin
// with '-' are libFuzzer's options and are ignored; a folder that does not
// exist holds no inputs, but a run that replays nothing fails.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Replay(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument.empty() || argument[0] == '-') continue;
    const std::filesystem::path path(argument);
    if (std::filesystem::is_directory(path)) {
      for (const auto& entry : std::filesystem::directory_iterator(path)) {
        if (entry.is_regular_file()) {
          Replay(entry.path());
          ++replayed;
        }
      }
    } else if (std::filesystem::exists(path)) {
      Replay(path);
      ++replayed;
    }
  }
  std::cout << "replayed " << replayed << " inputs\n";
  // Replaying nothing would pass without checking anything.
  return replayed > 0 ? 0 : 1;
}
