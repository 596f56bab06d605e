// scan_helper FOLDER: prints the scanned folder list, one entry a line.
#include "AddFolder.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    FolderList folders{QString::fromLocal8Bit(argv[1])};
    GetSubDirectories2016(folders, true);
    for (const QString &folder : folders)
        std::printf("%s\n", folder.toLocal8Bit().constData());
    return 0;
}
