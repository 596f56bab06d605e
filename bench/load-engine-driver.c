/* A tiny program over the engine's C interface for the load runs: extracts
   (or lists, or tests) one archive and says how it went; k extracts keeping
   both files where a name is taken (the new one numbered).
     load-engine-driver x|k|l|t ARCHIVE [FOLDER] */
#include "unzip32.h"

#include <stdio.h>
#include <string.h>

static int32_t onPrint(const char *text, uint32_t length)
{
    fprintf(stderr, "%.*s\n", (int)length, text);
    return 0;
}

static unsigned long listed;
static void onList(uint32_t a, uint32_t b, int32_t c, uint32_t d, uint32_t e, uint32_t f, uint32_t g, uint32_t h,
                   int32_t i, const char *name, const char *method, uint32_t crc, int32_t flags)
{
    (void)a; (void)b; (void)c; (void)d; (void)e; (void)f; (void)g; (void)h; (void)i;
    (void)name; (void)method; (void)crc; (void)flags;
    ++listed;
}

static int32_t onReplace(char *path)
{
    (void)path;
    return UZ_REPLACE_RENAME;
}

int main(int argc, char **argv)
{
    if (argc < 3 || strlen(argv[1]) != 1 || !strchr("xklt", argv[1][0])) {
        fprintf(stderr, "usage: load-engine-driver x|k|l|t ARCHIVE [FOLDER]\n");
        return 2;
    }
    DCL options;
    memset(&options, 0, sizeof options);
    options.MessageLevel = 1; /* failures only */
    options.UseFolderNames = 1;
    options.OverwriteExisting = argv[1][0] != 'k';
    options.PromptToOverwrite = argv[1][0] == 'k';
    options.ListOnly = argv[1][0] == 'l';
    options.TestOnly = argv[1][0] == 't';
    options.ZipFileName = argv[2];
    options.ExtractDir = argc > 3 ? argv[3] : (char *)"";
    USERFUNCTIONS callbacks;
    memset(&callbacks, 0, sizeof callbacks);
    callbacks.print = onPrint;
    callbacks.listEntry = onList;
    callbacks.replace = onReplace;
    int32_t result = Wiz_SingleEntryUnzip(0, NULL, 0, NULL, &options, &callbacks);
    printf("result %d, entries %u, failed %u, bytes %llu, listed %lu\n", (int)result, callbacks.EntryCount,
           callbacks.FailedCount, (unsigned long long)callbacks.TotalSize, listed);
    return result == UZ_OK ? 0 : 1;
}
