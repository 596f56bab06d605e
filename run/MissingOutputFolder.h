// The output folder is missing when a run is to start: the user is told
// which folder it is, and the window offers to create it.
#pragma once

#include <QCoreApplication>
#include <QString>

class Prompts;

inline QString MissingFolderText()
{
    return QCoreApplication::translate("MissingOutputFolder", "Folder does not exist. Please select another folder.");
}
inline QString CreateFolderQuestion()
{
    return QCoreApplication::translate("MissingOutputFolder", "Create this folder now and start unzipping?");
}

// Tells the user that `folder` does not exist. With `offerToCreate`, a
// folder that could be made (a full path, nothing in its place) is offered
// to be created. Answers true when it was created, so the run may go on.
bool OfferMissingFolder(const QString &folder, Prompts &prompts, bool offerToCreate);
