// settings_write_helper FOLDER KEY VALUE: prints "ok", or the error number
// when the store refuses the write.
#include "RuntimeError.h"
#include "Settings.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4)
        return 2;
    SetSettingsFolder(QString::fromLocal8Bit(argv[1]));
    try {
        SaveSetting(SettingsApplication, SettingsSection, QString::fromLocal8Bit(argv[2]),
                    QString::fromLocal8Bit(argv[3]));
    } catch (const RuntimeError &error) {
        std::printf("%d\n", int(error.number()));
        return 1;
    }
    std::printf("ok\n");
    return 0;
}
