// fpgeom: the library's geometry on the command line. Each subcommand reads a
// map of rings (and probe points) as WKT, GeoJSON or an fpgeom archive,
// reports on it as text or JSON, and may write a resulting map or picture.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "Commands.h"
#include "ToolErrors.h"
#include "fpgeom/Version.h"

namespace {

using fpgeom::tool::Command;

// CLI11 would call a mistyped subcommand an unexpected argument; say what it is.
bool IsUnknownSubcommand(int argc, char** argv, const std::vector<Command>& commands) {
  if (argc < 2 || argv[1][0] == '-') return false;
  const std::string name = argv[1];
  return std::none_of(commands.begin(), commands.end(),
                      [&](const Command& command) { return command.app->get_name() == name; });
}

std::string SubcommandNames(const std::vector<Command>& commands) {
  std::string names;
  for (const Command& command : commands) names += (names.empty() ? "" : ", ") + command.app->get_name();
  return names;
}

// Standard output is buffered: a full disk or a closed pipe shows only when
// the buffer goes out, so it is flushed and checked before the exit code
// is final.
int Flushed(int code, const std::string& who) {
  std::cout.flush();
  if (std::fflush(stdout) == 0 && !std::cout.fail() && std::ferror(stdout) == 0) return code;
  const int error = errno;
  std::cerr << who << ": cannot write to standard output: " << std::strerror(error) << '\n';
  return fpgeom::tool::kExitBadInput;
}

int Run(const Command& command) {
  const std::string who = "fpgeom " + command.app->get_name();
  try {
    return Flushed(command.run(), who);
  } catch (const std::runtime_error& error) {
    // UsageError, io::ReadError and io::WriteError: bad usage or input.
    std::cerr << who << ": " << error.what() << '\n';
  }
  return Flushed(fpgeom::tool::kExitBadInput, who);
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App tool("fpgeom: two-dimensional geometry of rings, regions and shared topologies", "fpgeom");
  tool.require_subcommand(1);
  tool.set_version_flag("--version", std::string("fpgeom ") + FPGEOM_VERSION_STRING,
                        "Print the version of fpgeom and exit");
  tool.footer(
      "Input: WKT, GeoJSON or fpgeom archive (fpgeom SUBCOMMAND --help says which geometries).\n"
      "Exit codes: 0 success, 1 a refused edit or a ring cleaned below 3 points, 2 bad usage or input.");
  std::vector<Command> commands = {
      fpgeom::tool::AddInfoCommand(tool),      fpgeom::tool::AddContainsCommand(tool),
      fpgeom::tool::AddCleanCommand(tool),     fpgeom::tool::AddClipCommand(tool),
      fpgeom::tool::AddBreakdownCommand(tool), fpgeom::tool::AddConvertCommand(tool),
      fpgeom::tool::AddRenderCommand(tool),    fpgeom::tool::AddTopoCommand(tool),
      fpgeom::tool::AddDemoCommand(tool)};
#ifdef FPGEOM_TOOL_WITH_OVERLAY
  commands.push_back(fpgeom::tool::AddOverlayCommand(tool));
#endif
  if (IsUnknownSubcommand(argc, argv, commands)) {
    std::cerr << "fpgeom: unknown subcommand '" << argv[1] << "'; the subcommands are " << SubcommandNames(commands)
              << " (see fpgeom --help)\n";
    return fpgeom::tool::kExitBadInput;
  }
  try {
    tool.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return Flushed(tool.exit(help), "fpgeom");
  } catch (const CLI::CallForVersion& version) {
    return Flushed(tool.exit(version), "fpgeom");
  } catch (const CLI::ParseError& error) {
    tool.exit(error);
    return fpgeom::tool::kExitBadInput;
  }
  for (const Command& command : commands) {
    if (command.app->parsed()) return Run(command);
  }
  return fpgeom::tool::kExitBadInput;
}
