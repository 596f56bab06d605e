#include "MissingOutputFolder.h"

#include "ApplicationTitle.h"
#include "common/PathHelpers.h"
#include "common/Prompts.h"
#include "common/VisibleQText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

bool OfferMissingFolder(const QString &folder, Prompts &prompts, bool offerToCreate)
{
    const QString shown = folder.isEmpty() ? QCoreApplication::translate("MissingOutputFolder", "(No folder is given.)")
                                           : VisibleText(folder);
    const QString text = MissingFolderText() + QStringLiteral("\r\r") + shown;
    // A relative path would be made wherever the program happens to run, and
    // a file in the folder's place cannot become one.
    const bool canCreate = offerToCreate && QDir::isAbsolutePath(folder) && !QFileInfo::exists(folder);
    if (!canCreate) {
        prompts.message(text, ApplicationTitle());
        return false;
    }
    if (prompts.message(text + QStringLiteral("\r\r") + CreateFolderQuestion(), ApplicationTitle(),
                        Prompts::Buttons::YesNo)
        != Prompts::Answer::Yes)
        return false;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(folder).toStdString()), error);
    if (!IsFolderPresent(folder)) {
        const QString reason = error ? QString::fromLocal8Bit(error.message())
                                     : QCoreApplication::translate("MissingOutputFolder", "unknown reason");
        prompts.message(
            QCoreApplication::translate("MissingOutputFolder", "The folder could not be created:\r\r%1\r\r%2")
                .arg(shown, reason),
            ApplicationTitle());
        return false;
    }
    return true;
}
