// A host program of the installed I/O module: it reads a ring from WKT and
// writes it back, and exits non-zero when the text differs.
#include <fpgeom/io/Wkt.h>

#include <iostream>

int main() {
  const std::string text = "POLYGON((0 0,4 3,4 0,0 0))";  // clockwise: an outer ring reads back as written
  const std::string written = fpgeom::io::WriteWkt(fpgeom::io::ReadWkt(text, "host"));
  const bool works = written.rfind(text, 0) == 0;
  std::cout << (works ? "installed fpgeom_io works\n" : "mismatch: WKT round trip gave " + written + "\n");
  return works ? 0 : 1;
}
