// The output folder of a run, as it was when the run started. The engine
// makes a destination's missing folders, so an output folder deleted during a
// long run would silently come back, piece by piece, under later archives;
// a run checks before each archive that its folder is still the same one.
#pragma once

#include <QString>

#include <mutex>

#include <sys/types.h>

class OutputFolderWatch {
public:
    explicit OutputFolderWatch(const QString &folder);

    // Empty while the folder is the one the run started with; otherwise why
    // the remaining archives are not extracted. Once gone, gone for the run:
    // a folder of that name made meanwhile is not the one the user chose.
    // Safe to call from the threads of a run.
    QString gone();

private:
    QString m_folder;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    bool m_known = false;
    std::mutex m_mutex;
    QString m_gone;
};
