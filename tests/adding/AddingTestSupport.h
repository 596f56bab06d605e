// What the adding tests share: a command context over an in-memory list and
// the scripted user, a settings store in the test's own folder, and a way to
// run a scan as an unprivileged user when the tests run as root.
#pragma once

#include "AddingCommands.h"
#include "JobList.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

QString Q(const std::filesystem::path &path);

struct AddingFixture {
    TempDir dir;
    MemoryJobList list;
    ScriptedPrompts prompts;
    std::vector<bool> scanning; // every start (true) and end (false) of a folder scan
    int pumps = 0;
    AddingContext context;

    AddingFixture();
};

// Sorted copy, for folders whose files come in the file system's own order.
QStringList Sorted(QStringList list);

// Runs `work` in a child process that has given up root for the "nobody"
// user, and answers the lines it wrote. Answers nothing with `skipReason`
// set when that cannot be done.
QStringList RunAsNobody(const std::function<QStringList()> &work, std::string &skipReason);
