#pragma once

#include <stdexcept>

// Every failure of the platform layer surfaces as this one exception type, with a message that
// says what failed; the application reports it in its error dialog.
class EToolkitError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
