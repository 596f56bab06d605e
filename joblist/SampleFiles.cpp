#include "SampleFiles.h"

#include "AddFolder.h"
#include "AddingCommands.h"
#include "ArchiveScan.h"
#include "JobList.h"
#include "PathHelpers.h"
#include "Prompts.h"
#include "TrappedProcedure.h"

QString SamplesFolder(const QString &programFolder)
{
    return JoinPath(programFolder, SamplesFolderName, NativeSeparator);
}

void LoadSampleFiles(JobList &list, Prompts &prompts, const QString &programFolder, const QString &applicationTitle)
{
    const QString folder = SamplesFolder(programFolder);
    const QStringList names = GetFilesInFolder(folder, QStringLiteral("*.*"));
    for (const QString &name : names) {
        const QString path = JoinPath(folder, name, NativeSeparator);
        if (IsFilePresent(path) && !IsInList(list, path))
            list.Add(path);
    }
    const Prompts::Answer answer = prompts.message(OpenSamplesQuestion(), applicationTitle, Prompts::Buttons::YesNo);
    if (answer == Prompts::Answer::Yes && !prompts.openWithShell(folder))
        prompts.message(SamplesNotOpenedText() + folder, applicationTitle);
}

void PushButton6_Click(AddingContext &context)
{
    TrappedProcedure procedure(
        context.prompts, TrappedProcedure::location(QStringLiteral("Form1"), QStringLiteral("PushButton6_Click")));
    procedure.step(
        100, [&] { LoadSampleFiles(context.list, context.prompts, context.programFolder, context.applicationTitle); });
}
