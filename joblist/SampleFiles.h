// "Load Sample/Example Files": the archives shipped in the program's
// "Samples" folder go into the job list once, then the user may open the folder.
#pragma once

#include <QCoreApplication>
#include <QString>

class JobList;
class Prompts;
struct AddingContext;

inline const QString SamplesFolderName = QStringLiteral("Samples");
inline QString OpenSamplesQuestion()
{
    return QCoreApplication::translate(
        "SampleFiles",
        "Would you like this software to open the folder where these sample files are stored "
        "(so that you can view them before working with them)?");
}

// Shown when no program could be found to open the folder named after it.
inline QString SamplesNotOpenedText()
{
    return QCoreApplication::translate(
        "SampleFiles",
        "The folder could not be opened: no program to show folders was found on this computer.\r\r"
        "The sample files are in:\r");
}

// The program's folder + "/Samples".
QString SamplesFolder(const QString &programFolder);

// Adds every file of the sample folder that is not listed yet (exact text),
// in the order listed, then asks every time whether to open the folder.
// Failures are thrown to the caller.
void LoadSampleFiles(JobList &list, Prompts &prompts, const QString &programFolder, const QString &applicationTitle);

// The button: LoadSampleFiles under the error box; a failure ends the command.
void PushButton6_Click(AddingContext &context);
