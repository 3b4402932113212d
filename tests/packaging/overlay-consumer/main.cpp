// Two overlapping unit squares (CFPRect takes left, right, bottom, top)
// through the installed overlay library: the union must cover 1.75.
#include <fpgeom/overlay.h>

#include <iostream>

int main() {
  const CFPPolyRgn a(CFPRect(0, 1, 0, 1));
  const CFPPolyRgn b(CFPRect(0.5, 1.5, 0.5, 1.5));
  const double area = fpgeom::Union(a, b).Area();
  std::cout << "union area " << area << '\n';
  return area == 1.75 ? 0 : 1;
}
