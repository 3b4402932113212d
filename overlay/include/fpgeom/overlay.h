// Everything the overlay module offers: fpgeom itself, plus areas under a
// fill rule and the boolean operations on regions. Link fpgeom::overlay.
#pragma once

#include "fpgeom/fpgeom.h"
#include "fpgeom/overlay/Overlay.h"
