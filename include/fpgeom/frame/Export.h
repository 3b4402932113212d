// Marks the classes and functions that fpgeom exports from its shared library;
// everything else is built with hidden visibility.
#pragma once

#define FPGEOM_API __attribute__((visibility("default")))
