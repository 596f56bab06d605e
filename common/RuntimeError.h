// A run-time failure with the error number the user sees in the error box.
// Header only and free of Qt, so the engine wrapper can throw it too.
#pragma once

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
    RuntimeError(ErrorNumber number, const std::string &description)
        : std::runtime_error(description), m_number(number) {}
    explicit RuntimeError(ErrorNumber number) : RuntimeError(number, defaultDescription(number)) {}

    ErrorNumber number() const { return m_number; }

    static std::string defaultDescription(ErrorNumber number)
    {
        switch (number) {
        case ErrorNumber::InvalidArgument: return "Invalid procedure call or argument";
        case ErrorNumber::Overflow: return "Overflow";
        case ErrorNumber::SubscriptOutOfRange: return "Subscript out of range";
        case ErrorNumber::TypeMismatch: return "Type mismatch";
        case ErrorNumber::PermissionDenied: return "Permission denied";
        case ErrorNumber::PathNotFound: return "Path not found";
        }
        return "Application-defined or object-defined error";
    }

private:
    ErrorNumber m_number;
};
