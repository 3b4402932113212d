// Everything fpgeom offers a host: the framework layer, the value classes,
// the polygon and its algorithms, the region and the shared topology, and
// the version macros.
#pragma once

#include "fpgeom/Version.h"

#include "fpgeom/frame/Archive.h"
#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/File.h"
#include "fpgeom/frame/List.h"
#include "fpgeom/frame/ObList.h"
#include "fpgeom/frame/Object.h"
#include "fpgeom/frame/Plex.h"
#include "fpgeom/frame/WinTypes.h"

#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/FPRect.h"
#include "fpgeom/values/FPSegment.h"
#include "fpgeom/values/FPSize.h"
#include "fpgeom/values/Tolerance.h"

#include "fpgeom/polygon/FPPolygon.h"

#include "fpgeom/algorithms/IntegerClipping.h"

#include "fpgeom/region/FPPolyRgn.h"

#include "fpgeom/prepared/PreparedPolygon.h"
#include "fpgeom/prepared/PreparedRegion.h"

#include "fpgeom/topology/Edge.h"
#include "fpgeom/topology/EdgeList.h"
#include "fpgeom/topology/Linking.h"
#include "fpgeom/topology/PolygonList.h"
#include "fpgeom/topology/Vertex.h"
#include "fpgeom/topology/VertexList.h"
