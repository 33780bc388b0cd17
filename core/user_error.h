// An error the user must see: its message is cp932 text, shown by the
// application's standard error display with a "." after it.
#pragma once
#include <stdexcept>
#include <string>

namespace lume {

class UserError : public std::runtime_error {
public:
    explicit UserError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace lume
