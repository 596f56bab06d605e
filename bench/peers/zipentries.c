#include "zipentries.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static uint16_t le16(const unsigned char *p) { return (uint16_t)(p[0] | p[1] << 8); }
static uint32_t le32(const unsigned char *p) { return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24; }

long read_entries(int fd, struct zip_entry_info **entries)
{
    off_t end = lseek(fd, 0, SEEK_END);
    unsigned char tail[65557];
    size_t span = end < (off_t)sizeof tail ? (size_t)end : sizeof tail;
    if (pread(fd, tail, span, end - (off_t)span) != (ssize_t)span)
        return -1;
    long eocd = -1;
    for (long i = (long)span - 22; i >= 0; --i)
        if (le32(tail + i) == 0x06054b50) { eocd = i; break; }
    if (eocd < 0)
        return -1;
    long count = le16(tail + eocd + 10);
    uint32_t cd_size = le32(tail + eocd + 12), cd_offset = le32(tail + eocd + 16);
    unsigned char *cd = malloc(cd_size);
    if (!cd || pread(fd, cd, cd_size, cd_offset) != (ssize_t)cd_size)
        return free(cd), -1;
    struct zip_entry_info *list = calloc((size_t)count, sizeof *list);
    const unsigned char *p = cd;
    for (long i = 0; i < count; ++i) {
        uint16_t name_len = le16(p + 28), extra_len = le16(p + 30), comment_len = le16(p + 32);
        list[i].method = le16(p + 10);
        list[i].crc = le32(p + 16);
        list[i].packed = le32(p + 20);
        list[i].size = le32(p + 24);
        list[i].name = strndup((const char *)p + 46, name_len);
        unsigned char local[30];
        if (pread(fd, local, 30, le32(p + 42)) != 30)
            return free(cd), free_entries(list, i + 1), -1;
        list[i].data_offset = le32(p + 42) + 30u + le16(local + 26) + le16(local + 28);
        p += 46 + name_len + extra_len + comment_len;
    }
    free(cd);
    *entries = list;
    return count;
}

void free_entries(struct zip_entry_info *entries, long count)
{
    for (long i = 0; i < count; ++i)
        free(entries[i].name);
    free(entries);
}

void make_parents(char *path)
{
    for (char *slash = strchr(path + 1, '/'); slash; slash = strchr(slash + 1, '/')) {
        *slash = '\0';
        if (mkdir(path, 0755) != 0 && errno != EEXIST)
            perror(path);
        *slash = '/';
    }
}
