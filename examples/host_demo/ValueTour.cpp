#include "ValueTour.h"

#include "Describe.h"

namespace host_demo {

Shapes ShowValues(std::ostream& out) {
  const CFPPoint origin(0.0, 0.0);
  const CFPPoint corner(3.0, 4.0);
  const CFPPoint third(1.0 / 3.0, -0.1);
  out << "Points\n"
      << "  " << Describe(origin) << " to " << Describe(corner) << ": distance " << origin.distance(corner) << '\n'
      << "  " << Describe(corner) << " + " << Describe(third) << " = " << Describe(corner + third) << '\n';

  const CFPRect room(0.0, 10.0, 0.0, 5.0);
  // Fields in the order left, right, bottom, top; this one is not normalised.
  const CFPRect flipped(12.0, 4.0, 7.5, -2.5);
  CFPRect overlap;
  const int overlapHasArea = overlap.IntersectRect(room, flipped);
  out << "Rectangles\n"
      << "  " << Describe(room) << ": width " << room.Width() << ", height " << room.Height() << ", centre "
      << Describe(room.GetCenterPoint()) << '\n'
      << "  " << Describe(flipped) << " (fields as given, not normalised)\n"
      << "  their intersection " << Describe(overlap) << (overlapHasArea ? " has area\n" : " is empty\n");

  return Shapes{{origin, corner, third}, {room, flipped, overlap}};
}

}  // namespace host_demo
