/* The entries of a ZIP archive as the benchmark's tiny extractors need them:
 * name, method, sizes and where the data begins. Enough for the corpora of
 * make_corpus.py (no Zip64, no encryption); not a general reader. */
#pragma once

#include <stdint.h>
#include <stdio.h>

struct zip_entry_info {
    char *name;
    uint16_t method;
    uint32_t crc;
    uint64_t packed, size;
    uint64_t data_offset;
};

/* Reads the central directory of the open archive `fd`; returns the number of
 * entries (and *entries, to be freed with free_entries) or -1. */
long read_entries(int fd, struct zip_entry_info **entries);
void free_entries(struct zip_entry_info *entries, long count);

/* Makes every folder of `path` above its last component. */
void make_parents(char *path);
