/* A peer built on libzip alone, as a script would use it: one archive per
 * process, every entry read through zip_fread in 64 KiB steps and written.
 *   libzip-peer ARCHIVE OUTDIR */
#include "zipentries.h"

#include <fcntl.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

int main(int argc, char **argv)
{
    if (argc != 3)
        return fprintf(stderr, "usage: libzip-peer ARCHIVE OUTDIR\n"), 2;
    int error = 0;
    zip_t *archive = zip_open(argv[1], ZIP_RDONLY, &error);
    if (!archive)
        return fprintf(stderr, "cannot open %s\n", argv[1]), 1;
    mkdir(argv[2], 0755);
    static char buffer[65536];
    zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *name = zip_get_name(archive, (zip_uint64_t)i, 0);
        char path[4096];
        snprintf(path, sizeof path, "%s/%s", argv[2], name);
        make_parents(path);
        if (path[strlen(path) - 1] == '/') {
            mkdir(path, 0755);
            continue;
        }
        zip_file_t *in = zip_fopen_index(archive, (zip_uint64_t)i, 0);
        int out = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (!in || out < 0)
            return fprintf(stderr, "cannot extract %s\n", name), 1;
        for (zip_int64_t n; (n = zip_fread(in, buffer, sizeof buffer)) > 0;)
            if (write(out, buffer, (size_t)n) != n)
                return fprintf(stderr, "cannot write %s\n", path), 1;
        zip_fclose(in);
        close(out);
    }
    zip_close(archive);
    return 0;
}
