// The error number a statement fails with, or 0 when it does not fail.
#pragma once

#include "RuntimeError.h"

#include <functional>

inline int ErrorNumberOf(const std::function<void()> &statement)
{
    try {
        statement();
    } catch (const RuntimeError &error) {
        return int(error.number());
    }
    return 0;
}
