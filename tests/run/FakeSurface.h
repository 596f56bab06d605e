// A window made of plain values, so the batch run is driven without widgets.
#pragma once

#include "BatchSurface.h"
#include "JobList.h"

#include <QStringList>
#include <vector>

class FakeSurface : public BatchSurface {
public:
    explicit FakeSurface(Prompts &userPrompts) : prompts(userPrompts) {}

    MemoryJobList list;
    QString outputText;
    bool option1 = true;
    bool option2 = false;
    bool passwordSet = false;
    int progressValue = 0;
    QString progressText = IdleProgressText();
    int pointer = Pointer::Default;
    Prompts &prompts;
    std::vector<int> valuesSeen;
    QStringList textsSeen;

    JobList &Rows() override { return list; }
    QString OutputFolderText() const override { return outputText; }
    bool Option1Value() const override { return option1; }
    bool Option2Value() const override { return option2; }
    bool PasswordSet() const override { return passwordSet; }
    void SetProgressValue(int percent) override
    {
        progressValue = percent;
        valuesSeen.push_back(percent);
    }
    void SetProgressText(const QString &text) override
    {
        progressText = text;
        textsSeen << text;
    }
    int MousePointer() const override { return pointer; }
    void SetMousePointer(int value) override { pointer = value; }
    Prompts &UserPrompts() override { return prompts; }
    void PumpEvents() override {}
};
