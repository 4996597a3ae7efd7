// The cancel exception of engine operations, and the shared cancel check.
#pragma once

#include <stdexcept>

// Raised by a cancel request; the overwrite and free-space routines turn it into soCancelled.
class EShredCancelled : public std::runtime_error {
 public:
  EShredCancelled() : std::runtime_error("User cancelled") {}
};
