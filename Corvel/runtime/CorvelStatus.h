// The outcome of every run, evaluate and call step. Control flow and
// suspension travel upwards as statuses; errors travel as exceptions.
#pragma once

#include <cstdint>

class CorvelStatus {
public:
    enum Code : int32_t { Normal = 0, Break = 1, Continue = 2, Return = 3, Error = 4, Suspend = 5 };

    constexpr CorvelStatus(Code code = Normal) : m_code(code) {}

    constexpr Code GetCode() const { return m_code; }
    constexpr bool operator==(Code code) const { return m_code == code; }
    constexpr bool operator!=(Code code) const { return m_code != code; }
    constexpr bool operator==(CorvelStatus other) const { return m_code == other.m_code; }
    constexpr bool operator!=(CorvelStatus other) const { return m_code != other.m_code; }

private:
    Code m_code;
};
