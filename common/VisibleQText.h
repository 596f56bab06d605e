// VisibleText for Qt's strings, for the window's texts and the command's.
#pragma once

#include "PathHelpers.h"
#include "VisibleText.h"

#include <QString>

inline QString VisibleText(const QString &text)
{
    // A file name's bytes that are not UTF-8 are shown as "\xe9", never as U+FFFD.
    return QString::fromStdString(VisibleText(FileNameBytes(text).toStdString()));
}
