// Exit codes of the fpgeom tool and the error that means bad usage.
#pragma once

#include <stdexcept>
#include <string>

namespace fpgeom::tool {

constexpr int kExitSuccess = 0;
// A geometric refusal the user asked to be told about: a refused topology
// edit, a ring that clean-up leaves with fewer than three points.
constexpr int kExitRefused = 1;
// Bad usage or bad input: nothing was written.
constexpr int kExitBadInput = 2;

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace fpgeom::tool
