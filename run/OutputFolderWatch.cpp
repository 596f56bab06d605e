#include "OutputFolderWatch.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

OutputFolderWatch::OutputFolderWatch(const QString &folder) : m_folder(folder)
{
    struct stat info {};
    m_known = !folder.isEmpty() && stat(QFile::encodeName(folder).constData(), &info) == 0;
    m_device = info.st_dev;
    m_inode = info.st_ino;
}

QString OutputFolderWatch::gone()
{
    std::lock_guard lock(m_mutex);
    if (!m_known || !m_gone.isEmpty())
        return m_gone;
    struct stat info {};
    if (stat(QFile::encodeName(m_folder).constData(), &info) != 0) {
        m_gone = QCoreApplication::translate("OutputFolderWatch",
                                             "the output folder \"%1\" is gone (%2); nothing more is extracted into it")
                     .arg(m_folder, QString::fromLocal8Bit(std::strerror(errno)));
    } else if (info.st_dev != m_device || info.st_ino != m_inode || !S_ISDIR(info.st_mode)) {
        m_gone = QCoreApplication::translate("OutputFolderWatch",
                                             "the output folder \"%1\" was replaced during the run; nothing "
                                             "more is extracted into it")
                     .arg(m_folder);
    }
    return m_gone;
}
