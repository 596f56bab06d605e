// VisibleText for Qt's strings, for the window's texts and the command's.
#pragma once

#include "VisibleText.h"

#include <QString>

inline QString VisibleText(const QString &text)
{
    return QString::fromStdString(VisibleText(text.toStdString()));
}
