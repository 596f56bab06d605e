#include "EngineLink.h"

#include "engine/ProgramFolder.h"
#include "engine/mUnzip.h"

#include <QDir>
#include <QString>

void SetEnginePassword(const std::string &password) { SetCurrentPassword(password); }

void EnterProgramFolder()
{
    const std::string folder = ProgramFolder();
    if (!folder.empty())
        QDir::setCurrent(QString::fromStdString(folder));
}
