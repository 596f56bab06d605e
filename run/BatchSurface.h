// What the batch run needs from the window that starts it, and nothing more:
// the window implements it over its controls, tests and a window-less front
// end over plain values.
#pragma once

#include <QCoreApplication>
#include <QString>

class JobList;
class Prompts;

// The pointer values the window shows; 11 doubles as the busy marker.
namespace Pointer {
inline constexpr int Default = 0;
inline constexpr int Arrow = 1;
inline constexpr int Hourglass = 11;
inline constexpr int Custom = 99;
} // namespace Pointer

inline QString IdleProgressText() { return QCoreApplication::translate("BatchSurface", "Progress Bar"); }

class BatchSurface {
public:
    virtual ~BatchSurface() = default;

    virtual JobList &Rows() = 0;
    // Read afresh for every archive: a change during a run applies to the
    // archives that follow.
    virtual QString OutputFolderText() const = 0;
    virtual bool Option1Value() const = 0;
    virtual bool Option2Value() const = 0;
    virtual bool PasswordSet() const = 0;

    virtual void SetProgressValue(int percent) = 0;
    virtual void SetProgressText(const QString &text) = 0;
    virtual int MousePointer() const = 0;
    virtual void SetMousePointer(int value) = 0;

    virtual Prompts &UserPrompts() = 0;
    // Lets the window repaint once; a window-less front end does nothing.
    virtual void PumpEvents() = 0;
};
