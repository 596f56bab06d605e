// The user of a measurement: answers the folder command's two questions with
// the values given, and keeps the last message (the run's "Done." box) for
// the report. Nothing waits for a person.
#pragma once

#include "common/Prompts.h"

#include <QStringList>

class BenchPrompts : public Prompts {
public:
    QString extension; // the folder command's extension box
    QString folder;    // the folder picker
    QStringList messages;
    QString lastDetail;

    Answer message(const QString &text, const QString &, Buttons, Icon, const QString &detail) override
    {
        messages << text;
        lastDetail = detail;
        return Answer::Ok;
    }
    QString input(const QString &, const QString &, const QString &, bool secret) override
    {
        return secret ? QString() : extension;
    }
    QString openFiles(const QString &, const QString &, const QString &) override { return {}; }
    QString pickFolder(const QString &, const QString &) override { return folder; }
    bool openWithShell(const QString &) override { return true; }
};
