/*
 * unzip32: Marrowlyn's unzip engine, a C interface over libzip and fast codecs.
 *
 * One call of Wiz_SingleEntryUnzip lists, tests or extracts one archive. The
 * caller describes the work in a DCL record and is answered through the
 * callbacks of a USERFUNCTIONS record. Texts are UTF-8 and NUL-terminated.
 *
 * Guarantees:
 * - No exception ever leaves the library, and calls on different threads may
 *   run at once: each call keeps its work to itself. What the library keeps
 *   for the whole process is only this:
 *   . the helper threads that decode entries, parked between calls for the
 *     next one; an idle one leaves after 10 seconds, and a child made by
 *     fork() starts with none;
 *   . a count that gives each call its own token (drawn from a random start
 *     at the first call), which names the call's temporary files;
 *   . read-only tables and texts, such as Deflate64's fixed codes, made
 *     once on first use and never changed.
 *   Beyond the process, a call that extracts keeps a record of its named
 *   temporary files in the user's state folder (marrowlyn/temporaries in
 *   $XDG_STATE_HOME, else in ~/.local/state) and removes it when it ends;
 *   the next extracting call cleans up after one that was killed.
 * - Every callback is made on the thread that called Wiz_SingleEntryUnzip,
 *   before that call returns, even when the engine decodes the entries of an
 *   archive on threads of its own.
 * - Nothing is written outside the extraction folder, and never through a
 *   symbolic link. An existing file is replaced only by a completely and
 *   correctly decoded new one: a failed entry leaves the old file as it was
 *   and no partial file behind.
 */
#ifndef MARROWLYN_UNZIP32_H
#define MARROWLYN_UNZIP32_H

#include <stdint.h>

#if defined(_WIN32)
#  if defined(UNZIP32_BUILDING)
#    define UNZIP32_API __declspec(dllexport)
#  else
#    define UNZIP32_API __declspec(dllimport)
#  endif
#else
#  define UNZIP32_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The option record. Fields 1 to 15 are 32-bit integers, Booleans 1 or 0. */
typedef struct DCL {
    int32_t ExtractOnlyNewer;  /*  1: skip an entry unless it is newer than the file on disk */
    int32_t SpaceToUnderscore; /*  2: spaces in written names become underscores */
    int32_t PromptToOverwrite; /*  3: ask the replace callback before replacing a file */
    int32_t MessageLevel;      /*  4: 0 = a line per entry; 1 = failures only; 2 = nothing */
    int32_t Reserved5;         /*  5: must be 0 */
    int32_t TestOnly;          /*  6: decode and check every entry, write nothing */
    int32_t ListOnly;          /*  7: report every entry through the listing callback, write nothing */
    int32_t Reserved8;         /*  8: must be 0 */
    int32_t Reserved9;         /*  9: must be 0 */
    int32_t UseFolderNames;    /* 10: recreate the entries' folders; 0 puts every file straight in the folder */
    int32_t OverwriteExisting; /* 11: replace existing files without asking */
    int32_t ConvertCRToCRLF;   /* 12: accepted and ignored: files are written byte for byte */
    int32_t NameCodePage;      /* 13: names without the UTF-8 flag are in this Windows code page (437, 850,
                                       852, 866, 1250 to 1253, 932, 936, 949, 950; 65001 for UTF-8); 0 (and
                                       any other value) decides it from all the archive's names together */
    int32_t CaseSensitive;     /* 14: include and exclude names match case-sensitively */
    int32_t Threads;           /* 15: decoding threads for this call; 0 = one per processor */
    char *ZipFileName;         /* 16: the archive's path */
    char *ExtractDir;          /* 17: the folder to extract into, created as needed; "" = current folder */
} DCL;

/* Answers of the replace callback (asked only when PromptToOverwrite is 1). */
enum {
    UZ_REPLACE_YES = 100,   /* replace this file */
    UZ_REPLACE_ALL = 101,   /* replace this one and every later one without asking */
    UZ_REPLACE_NO = 102,    /* keep the existing file, skip this entry */
    UZ_REPLACE_NONE = 103,  /* keep this one and every later existing file without asking */
    UZ_REPLACE_RENAME = 104 /* keep the existing file and write the entry beside it, under the
                               first free name of "NAME (2).EXT", "NAME (3).EXT", ... */
};

/* Message for every entry written, refused or failed, and for the archive as a
   whole. Lines of failures begin with "error: ", of written entries with
   "extracted: ", of tested entries with "tested: ", of entries passed over
   because of a file on disk with "skipped: ", and of entries written under a
   new name (UZ_REPLACE_RENAME) with "renamed: ENTRY: written as PATH", PATH
   relative to the extraction folder. A file written under another path than
   its entry's name ("../a.txt" written as "a.txt", "a\b.txt" as "a/b.txt"),
   or whose name holds ": written as ", is said as "extracted: ENTRY: written
   as PATH"; otherwise the line is "extracted: ENTRY". Every line is shown as
   VisibleText shows it; a PATH holds no backslash but the escapes, and its
   colons are written "\x3a", so the last ": written as " of a line is the
   divide and PATH reads back exactly. Returns 0. */
typedef int32_t (*UzPrintCallback)(const char *text, uint32_t length);
/* Not used by this engine; may be null. */
typedef void (*UzSoundCallback)(void);
/* Asked before an existing file is replaced when PromptToOverwrite is 1:
   the file's path; answers one of UZ_REPLACE_*; any other value means YES. */
typedef int32_t (*UzReplaceCallback)(char *filePath);
/* Asked for the password of an encrypted entry: write it into buffer (at most
   size - 1 bytes; size is 65,537, room for a password of 64 KiB; the engine
   clears the buffer before asking, so a NUL after the password is optional)
   and return 0, or return 1 to refuse. After a wrong password the engine asks
   again for the same entry, the prompt saying the last one was wrong, until
   the caller refuses or answers one it has given for that entry already; the
   entry is then skipped ("wrong password"). A refusal of the first request
   skips the entry too. Either way the engine asks again for the next one. */
typedef int32_t (*UzPasswordCallback)(char *buffer, int32_t size, const char *prompt, const char *entryName);
/* Listing: once per entry, in archive order, when ListOnly is 1.
   packedSize and size saturate at 0xFFFFFFFF; ratio is the percentage saved
   (0 to 100; 0 for an empty entry); year is the full year (1980 to 2107);
   reserved is 0; method is a plain name ("Stored", "Deflate", "BZip2",
   "LZMA", "XZ", "Zstd", or "Method N"; for the other kinds the compression
   or the kind: "gzip", "xz", "7z", "RAR5", "cab", ...); flags has bit 0x40 set when the
   entry is encrypted. */
typedef void (*UzListEntryCallback)(uint32_t packedSize, uint32_t size, int32_t ratio, uint32_t month, uint32_t day,
                                    uint32_t year, uint32_t hour, uint32_t minute, int32_t reserved, const char *name,
                                    const char *method, uint32_t crc, int32_t flags);
/* Asked once before each entry is handled: the entry's name and the number of
   bytes of that text including its NUL. Asked again, with the name of an
   entry in progress, as an entry larger than 8 MiB is decoded (about once a
   MiB), so that a caller can follow and stop a long entry. TotalSize and
   TotalPackedSize are up to date at every call. Return 1 to stop the call:
   the entries in progress are removed and the call answers UZ_CANCELLED.
   Return 2 to stop it and withdraw what it wrote: where the call made the
   extraction folder itself (it did not exist), the folder and everything in
   it are removed, as if the call had never run; into a folder that existed,
   2 stops as 1 does. When the call made the folder and every entry is done,
   it asks once more, with an empty name (count 1), before the folder takes
   its name and is seen: 2 then withdraws it, any other answer lets it be. */
typedef int32_t (*UzServiceCallback)(const char *entryName, uint32_t count);

typedef struct USERFUNCTIONS {
    UzPrintCallback print;
    UzSoundCallback sound;
    UzReplaceCallback replace;
    UzPasswordCallback password;
    UzListEntryCallback listEntry;
    UzServiceCallback service;
    /* Filled in by the engine. While the call runs, an entry larger than
       8 MiB counts as far as it has been decoded (its compressed bytes in
       proportion), so the totals grow with the work done; at the end they
       hold every entry handled. */
    uint64_t TotalSize;       /* bytes of all entries handled, as declared */
    uint64_t TotalPackedSize; /* their compressed bytes */
    uint32_t EntryCount;      /* entries handled */
    uint32_t FailedCount;     /* entries refused or failed */
} USERFUNCTIONS;

/* Results of Wiz_SingleEntryUnzip. */
enum {
    UZ_OK = 0,             /* everything went well */
    UZ_SOME_FAILED = 1,    /* the call ran, but some entries were refused or failed (see the messages) */
    UZ_NOT_ARCHIVE = 2,    /* the archive is missing, unreadable, damaged or of no kind the engine reads */
    UZ_BAD_ARGUMENTS = 3,  /* a null record, an empty archive name, an overlong list */
    UZ_NO_SPACE = 4,       /* the declared contents exceed the free space of the folder */
    UZ_UNSAFE_ARCHIVE = 5, /* refused whole: entries overlap (a zip bomb) */
    UZ_CANCELLED = 6,      /* the service callback asked to stop */
    UZ_CANNOT_CREATE = 7,  /* the extraction folder cannot be created or written */
    UZ_NO_MATCH = 8        /* the include list names no entry of the archive */
};

/* The version record, 64 bytes. */
typedef struct UZ_VERSION {
    uint32_t StructLength;    /* in: 64 */
    uint32_t Flags;           /* in: 0 */
    char BetaLevel[10];       /* out: release level, NUL-terminated ("" for a release) */
    char Date[20];            /* out: build date, "YYYY-MM-DD" */
    char CodecVersion[10];    /* out: the deflate library's version */
    uint8_t FormatVersion[4]; /* out: ZIP format version understood: major, minor, 0, 0 */
    uint8_t Reserved2[4];
    uint8_t Reserved3[4];
    uint8_t EngineVersion[4]; /* out: the engine's own major, minor, patch, 0 */
} UZ_VERSION;

UNZIP32_API int32_t Wiz_SingleEntryUnzip(int32_t includeCount, char **includeList, int32_t excludeCount,
                                         char **excludeList, DCL *options, USERFUNCTIONS *callbacks);

/* Fills the version record; returns 0, or -1 when StructLength is below 64. */
UNZIP32_API int32_t UzpVersion2(UZ_VERSION *version);

#ifdef __cplusplus
}
#endif

#endif
