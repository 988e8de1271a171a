#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

// An error that carries the system's own message text, as the warning box or
// the command line shows it. Messages are UTF-8.
class Error : public std::runtime_error {
  public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace orvane
