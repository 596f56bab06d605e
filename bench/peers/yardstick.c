/* The yardstick: the least an extractor must do. Every entry of every archive
 * named is read whole, inflated whole by libdeflate into one buffer, checked
 * against its CRC and written with one call, on one thread per processor.
 *   yardstick [--safe|--stage] [--read] OUTDIR ARCHIVE...   (each archive into OUTDIR/<name without .zip>/)
 * --safe adds what a careful extractor does besides for each file, to show
 * what that costs: the file is written unnamed in its folder, given the
 * entry's time and linked into place only when complete.
 * --stage keeps the same promise another way: each archive is written into a
 * hidden folder closed to others, files made under their names and given
 * their times, and the folder is renamed into place when all are done.
 * --read reads each archive whole into memory instead of mapping it: what an
 * extractor must do that survives an archive cut short while it runs (a
 * mapping would end the process with SIGBUS). */
#define _GNU_SOURCE
#include "zipentries.h"

#include <fcntl.h>
#include <stdio.h>
#include <libdeflate.h>
#include <pthread.h>
#include <stdatomic.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

struct job { const unsigned char *archive; const char *folder; struct zip_entry_info *entry; };

struct buffer { unsigned char *data; size_t size; };

static struct job *jobs;
static long job_count;
static atomic_long next_job;
static atomic_int failures;

static int safe, stage, readWhole;

static int write_all(int fd, const unsigned char *data, size_t size)
{
    for (size_t done = 0; done < size;) {
        ssize_t n = write(fd, data + done, size - done);
        if (n <= 0)
            return -1;
        done += (size_t)n;
    }
    return 0;
}

static int write_safely(char *path, const unsigned char *data, size_t size)
{
    char *slash = strrchr(path, '/');
    *slash = '\0';
    int fd = open(path, O_TMPFILE | O_WRONLY, 0644);
    *slash = '/';
    if (fd < 0)
        return -1;
    struct timespec times[2] = {{1715949000, 0}, {1715949000, 0}};
    int rc = write_all(fd, data, size) == 0 && futimens(fd, times) == 0
                 && linkat(fd, "", AT_FDCWD, path, AT_EMPTY_PATH) == 0 ? 0 : -1;
    close(fd);
    return rc;
}

static int write_staged(const char *path, const unsigned char *data, size_t size)
{
    int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0644);
    if (fd < 0)
        return -1;
    struct timespec times[2] = {{1715949000, 0}, {1715949000, 0}};
    int rc = write_all(fd, data, size) == 0 && futimens(fd, times) == 0 ? 0 : -1;
    return close(fd) == 0 ? rc : -1;
}

static int write_whole(char *path, const unsigned char *data, size_t size)
{
    if (stage)
        return write_staged(path, data, size);
    if (safe)
        return write_safely(path, data, size);
    int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return -1;
    if (write_all(fd, data, size) != 0)
        return close(fd), -1;
    return close(fd);
}

// Grown, never shrunk: the pages faulted in once serve every later entry.
static unsigned char *room(struct buffer *b, size_t size)
{
    if (size <= b->size)
        return b->data;
    if (b->data)
        munmap(b->data, b->size);
    b->size = size < ((size_t)1 << 21) ? (size_t)1 << 21 : size;
    b->data = mmap(NULL, b->size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (b->data == MAP_FAILED)
        return b->data = NULL, b->size = 0, NULL;
    madvise(b->data, b->size, MADV_HUGEPAGE);
    return b->data;
}

static int extract(const struct job *job, struct libdeflate_decompressor *inflater, struct buffer *out)
{
    const struct zip_entry_info *e = job->entry;
    char path[4096];
    snprintf(path, sizeof path, "%s/%s", job->folder, e->name);
    make_parents(path);
    if (path[strlen(path) - 1] == '/')
        return mkdir(path, 0755) == 0 || access(path, F_OK) == 0 ? 0 : -1;
    const unsigned char *packed = job->archive + e->data_offset;
    const unsigned char *data = packed;
    if (e->method == 8) {
        unsigned char *into = room(out, e->size);
        if (!into || libdeflate_deflate_decompress(inflater, packed, e->packed, into, e->size, NULL) != LIBDEFLATE_SUCCESS)
            return -1;
        data = into;
    }
    return libdeflate_crc32(0, data, e->size) == e->crc ? write_whole(path, data, e->size) : -1;
}

static void *worker(void *unused)
{
    (void)unused;
    struct libdeflate_decompressor *inflater = libdeflate_alloc_decompressor();
    struct buffer out = {NULL, 0};
    for (long i; (i = atomic_fetch_add(&next_job, 1)) < job_count;)
        if (extract(&jobs[i], inflater, &out) != 0)
            atomic_fetch_add(&failures, 1);
    libdeflate_free_decompressor(inflater);
    return NULL;
}

static int larger_first(const void *a, const void *b)
{
    const uint64_t x = ((const struct job *)a)->entry->size, y = ((const struct job *)b)->entry->size;
    return x < y ? 1 : x > y ? -1 : 0;
}

int main(int argc, char **argv)
{
    for (; argc > 1 && strncmp(argv[1], "--", 2) == 0; ++argv, --argc) {
        if (strcmp(argv[1], "--safe") == 0)
            safe = 1;
        else if (strcmp(argv[1], "--stage") == 0)
            stage = 1;
        else if (strcmp(argv[1], "--read") == 0)
            readWhole = 1;
        else
            argc = 0;
    }
    if (argc < 3)
        return fprintf(stderr, "usage: yardstick [--safe|--stage] [--read] OUTDIR ARCHIVE...\n"), 2;
    char **folders = calloc((size_t)argc, sizeof *folders);
    for (int a = 2; a < argc; ++a) {
        int fd = open(argv[a], O_RDONLY);
        struct zip_entry_info *entries;
        long count = fd < 0 ? -1 : read_entries(fd, &entries);
        if (count < 0)
            return fprintf(stderr, "cannot read %s\n", argv[a]), 1;
        const char *base = strrchr(argv[a], '/') ? strrchr(argv[a], '/') + 1 : argv[a];
        char *folder = malloc(strlen(argv[1]) + strlen(base) + 16);
        sprintf(folder, stage ? "%s/.stage-%.*s" : "%s/%.*s", argv[1], (int)(strlen(base) - 4), base);
        mkdir(folder, stage ? 0700 : 0755);
        folders[a] = folder;
        struct stat info;
        fstat(fd, &info);
        const unsigned char *map = NULL;
        if (readWhole) {
            unsigned char *copy = malloc((size_t)info.st_size + 1);
            for (size_t done = 0; copy && done < (size_t)info.st_size;) {
                ssize_t n = pread(fd, copy + done, (size_t)info.st_size - done, (off_t)done);
                if (n <= 0)
                    return fprintf(stderr, "cannot read %s\n", argv[a]), 1;
                done += (size_t)n;
            }
            map = copy;
        } else {
            map = mmap(NULL, (size_t)info.st_size, PROT_READ, MAP_SHARED, fd, 0);
        }
        if (!map || map == MAP_FAILED)
            return fprintf(stderr, "cannot map %s\n", argv[a]), 1;
        jobs = realloc(jobs, (size_t)(job_count + count) * sizeof *jobs);
        for (long i = 0; i < count; ++i)
            jobs[job_count++] = (struct job){map, folder, &entries[i]};
    }
    qsort(jobs, (size_t)job_count, sizeof *jobs, larger_first);
    long threads = sysconf(_SC_NPROCESSORS_ONLN);
    pthread_t ids[64];
    for (long t = 0; t < threads && t < 64; ++t)
        pthread_create(&ids[t], NULL, worker, NULL);
    for (long t = 0; t < threads && t < 64; ++t)
        pthread_join(ids[t], NULL);
    for (int a = 2; stage && a < argc; ++a) {
        char *final = strdup(folders[a]);
        char *hidden = strstr(final, "/.stage-");
        memmove(hidden + 1, hidden + 8, strlen(hidden + 8) + 1);
        if (chmod(folders[a], 0755) != 0 || renameat2(AT_FDCWD, folders[a], AT_FDCWD, final, RENAME_NOREPLACE) != 0)
            atomic_fetch_add(&failures, 1);
    }
    return atomic_load(&failures) ? 1 : 0;
}
