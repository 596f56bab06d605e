// A run-time failure with the error number the user sees in the error box.
// Header only and free of Qt, so the engine wrapper can throw it too.
#pragma once

#include "UserText.h"

#include <stdexcept>
#include <string>

enum class ErrorNumber : int {
    InvalidArgument = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    PermissionDenied = 70,
    PathNotFound = 76,
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorNumber number, const std::string &description) : std::runtime_error(description), m_number(number)
    {}
    explicit RuntimeError(ErrorNumber number) : RuntimeError(number, defaultDescription(number)) {}

    ErrorNumber number() const { return m_number; }

    static std::string defaultDescription(ErrorNumber number)
    {
        switch (number) {
        case ErrorNumber::InvalidArgument: return Translated("RuntimeError", "Invalid procedure call or argument");
        case ErrorNumber::Overflow: return Translated("RuntimeError", "Overflow");
        case ErrorNumber::SubscriptOutOfRange: return Translated("RuntimeError", "Subscript out of range");
        case ErrorNumber::TypeMismatch: return Translated("RuntimeError", "Type mismatch");
        case ErrorNumber::PermissionDenied: return Translated("RuntimeError", "Permission denied");
        case ErrorNumber::PathNotFound: return Translated("RuntimeError", "Path not found");
        }
        return Translated("RuntimeError", "Application-defined or object-defined error");
    }

private:
    ErrorNumber m_number;
};
