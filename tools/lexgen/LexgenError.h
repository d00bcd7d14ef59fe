// A fault in a rules file; the message says where and what.
#pragma once

#include <stdexcept>
#include <string>

class LexgenError : public std::runtime_error {
public:
    explicit LexgenError(const std::string& message) : std::runtime_error(message) {}
};
