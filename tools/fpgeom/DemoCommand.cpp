#include <cstdlib>
#include <filesystem>
#include <memory>

#include "Clipping.h"
#include "Commands.h"
#include "Formatting.h"
#include "Loops.h"
#include "OutputOptions.h"
#include "Probing.h"
#include "RingFacts.h"
#include "SampleData.h"
#include "SceneBuilding.h"
#include "ToolErrors.h"
#include "TopologyEdits.h"
#include "TopologyMap.h"
#include "fpgeom/io/AtomicFile.h"
#include "fpgeom/io/ArchiveRecord.h"
#include "fpgeom/io/DocumentFiles.h"

namespace fpgeom::tool {
namespace {

// The sample's parcels meet at (30, 40); dragging that corner reshapes four
// of them. Dragging (70, 70) onto (30, 70) would fold the triangle that
// holds both corners to a line, so the library refuses it.
const CFPRect kClipRect(10.0, 50.0, 10.0, 60.0);
const CFPPoint kDragFrom(30, 40);
const CFPPoint kDragTo(34, 44);
const CFPPoint kRefusedFrom(70, 70);
const CFPPoint kRefusedTo(30, 70);
constexpr double kPickTolerance = 1e-3;

struct DemoOptions {
  OutputOptions output;
  std::string folder;
};

std::filesystem::path OutputFolder(const std::string& requested) {
  if (!requested.empty()) {
    std::filesystem::create_directories(requested);
    return requested;
  }
  std::string pattern = (std::filesystem::temp_directory_path() / "fpgeom-demo-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw UsageError("cannot make a temporary folder for the demo's files");
  return pattern;
}

void Section(Report& report, const std::string& title) { report.Line("\n" + title); }

void ReportRings(const CFPPolyRgn& map, Report& report) {
  Section(report, "Rings of the sample:");
  const std::vector<CFPPolygon> rings = io::RingsOf(map);
  const std::vector<int> outer = io::OuterRingsOf(rings);
  for (std::size_t i = 0; i < rings.size(); ++i) {
    const RingFacts facts = FactsOf(rings[i], static_cast<int>(i), outer[i]);
    report.Line(Indented(RingFactsText(facts)));
    report.data["rings"].push_back(RingFactsJson(facts));
  }
}

void ReportProbes(const io::Document& sample, Report& report) {
  Section(report, "Probe points:");
  for (const ProbeResult& probe : Probe(sample.rings, sample.points)) {
    report.Line(Indented(ProbeText(probe)));
    report.data["probes"].push_back(ProbeJson(probe));
  }
}

void ReportClipping(const CFPPolyRgn& map, Report& report) {
  Section(report, "Clipping by " + RectText(kClipRect) + ":");
  for (const ClippedRing& ring : Clip(map, kClipRect).rings) {
    report.Line(Indented(ClippedRingText(ring)));
    report.data["clip"].push_back(ClippedRingJson(ring));
  }
}

void ReportBreakdown(const CFPPolyRgn& map, Report& report) {
  Section(report, "Breakdown of the rings that meet themselves:");
  for (const RingLoops& ring : BreakDown(map).rings) {
    if (ring.loops.empty()) continue;
    report.Line(Indented(RingLoopsText(ring)));
    report.data["breakdown"].push_back(RingLoopsJson(ring));
  }
}

void ReportDrags(CFPPolyRgn& map, Report& report) {
  const TopologyMap topology(map);
  Section(report, "Shared topology: " + std::to_string(topology.VertexCount()) + " vertices (" +
                      std::to_string(topology.SharedVertices().size()) + " shared), " +
                      std::to_string(topology.EdgeCount()) + " edges (" +
                      std::to_string(topology.SharedEdges().size()) + " shared)");
  for (const auto& [from, to] : {std::pair(kDragFrom, kDragTo), std::pair(kRefusedFrom, kRefusedTo)}) {
    const TopologyEdit edit = MoveVertex(topology, map, from, to, kPickTolerance);
    report.Line(Indented(TopologyEditText(edit)));
    report.data["drags"].push_back(TopologyEditJson(edit));
  }
}

std::string WriteAndReport(const std::filesystem::path& path, const std::string& bytes, Report& report) {
  io::WriteFileAtomically(path.string(), bytes);
  report.Line("  " + path.string());
  report.data["files"].push_back(path.string());
  return path.string();
}

int RunDemo(const DemoOptions& options) {
  const std::filesystem::path samplePath = SampleMapFile();
  io::Document sample = io::ReadDocumentFile(samplePath.string());
  const std::filesystem::path folder = OutputFolder(options.folder);
  Report report;
  report.Line("fpgeom demo on the sample map " + samplePath.string());
  report.data = {{"sample", samplePath.string()}, {"folder", folder.string()}, {"rings", nlohmann::json::array()},
                 {"probes", nlohmann::json::array()}, {"clip", nlohmann::json::array()},
                 {"breakdown", nlohmann::json::array()}, {"drags", nlohmann::json::array()},
                 {"files", nlohmann::json::array()}};
  ReportRings(sample.rings, report);
  ReportProbes(sample, report);
  ReportClipping(sample.rings, report);
  ReportBreakdown(sample.rings, report);
  const io::SvgScene before =
      BuildScene("Sample map before the drag", sample.rings, {kClipRect, true, sample.points, true});
  ReportDrags(sample.rings, report);
  const io::SvgScene after =
      BuildScene("Sample map after dragging " + PointText(kDragFrom) + " to " + PointText(kDragTo), sample.rings,
                 {std::nullopt, false, sample.points, true});

  Section(report, "Files written to " + folder.string() + ":");
  WriteAndReport(folder / "before.svg", io::WriteSvg(before), report);
  WriteAndReport(folder / "after.svg", io::WriteSvg(after), report);
  const std::string archive = WriteAndReport(folder / "sample-after.fpgeom", io::WriteArchive(sample.rings), report);
  const io::Document reread = io::ReadDocumentFile(archive);
  const bool matches = io::SameRings(reread.rings, sample.rings);
  report.Line("Read " + archive + " back: " + std::to_string(reread.rings.getCount()) + " rings, " +
              (matches ? "identical to the map after the drag" : "DIFFERENT from the map after the drag"));
  report.data["archiveMatches"] = matches;
  options.output.Print(report);
  return matches ? kExitSuccess : kExitRefused;
}

}  // namespace

Command AddDemoCommand(CLI::App& tool) {
  auto options = std::make_shared<DemoOptions>();
  CLI::App* command = tool.add_subcommand(
      "demo", "Run a tour on the bundled sample map and write before.svg, after.svg and an archive file");
  command->add_option("--out", options->folder, "Folder for the files (default: a new temporary folder)");
  options->output.AddJsonFlag(*command);
  return {command, [options] { return RunDemo(*options); }};
}

}  // namespace fpgeom::tool
