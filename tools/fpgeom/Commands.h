// The subcommands of the fpgeom tool. Each Add function registers one with
// its options and returns how to run it; running gives the exit code or
// throws UsageError, io::ReadError or io::WriteError.
#pragma once

#include <functional>

#include <CLI/CLI.hpp>

namespace fpgeom::tool {

struct Command {
  CLI::App* app;
  std::function<int()> run;
};

Command AddInfoCommand(CLI::App& tool);
Command AddContainsCommand(CLI::App& tool);
Command AddCleanCommand(CLI::App& tool);
Command AddClipCommand(CLI::App& tool);
Command AddBreakdownCommand(CLI::App& tool);
Command AddConvertCommand(CLI::App& tool);
Command AddRenderCommand(CLI::App& tool);
Command AddTopoCommand(CLI::App& tool);
Command AddDemoCommand(CLI::App& tool);
#ifdef FPGEOM_TOOL_WITH_OVERLAY
Command AddOverlayCommand(CLI::App& tool);
#endif

}  // namespace fpgeom::tool
