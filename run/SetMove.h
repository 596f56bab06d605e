// Moving the files of one archive (all the parts of a set) into a folder
// without replacing anything there and without losing any of them: on the same
// file system each is renamed; on another each is first copied whole to an
// unnamed file there and flushed, and only when every part is copied are they
// given names and the originals removed. Whatever fails, the set stays whole
// where it was and no partial copy is left behind.
#pragma once

#include "HeldFolder.h"

#include <QString>
#include <QStringList>
#include <string>
#include <sys/stat.h>
#include <vector>

// Why a file operation failed, in plain words ("the disk is full").
QString FileErrorWords(int error);

// The folder of `path` (held, its path trusted) and its last component.
HeldFolder FolderOf(const QString &path, std::string &name);

class SetMove {
public:
    SetMove() = default;
    SetMove(const SetMove &) = delete;
    SetMove &operator=(const SetMove &) = delete;
    ~SetMove();

    // Opens each of `paths` beneath its folder and checks it is a regular
    // file. 0, or the error of the first that fails (`failed` names it).
    int open(const QStringList &paths, QString &failed);
    // On another file system than `target`'s, copies every file into it now
    // (unnamed) and flushes the copies. 0 or an error; nothing is left then.
    int prepare(const HeldFolder &target);
    // Gives file i the name `names[i]` in the target, replacing nothing: all
    // of them or none. 0, or an error (EEXIST when a name is taken) with every
    // file where it was before.
    int place(const std::vector<std::string> &names);
    // After place(): removes the originals of copies. When even the first
    // cannot be removed the copies are taken back and `placed()` is false.
    int finish();
    bool placed() const { return m_placed; }
    const std::vector<std::string> &names() const { return m_names; }

private:
    struct Part {
        HeldFolder folder;
        std::string name;
        int fd = -1;
        struct stat info {};
        int copy = -1;        // the copy in the target, while it has no name
        std::string copyName; // its temporary name where unnamed files cannot be made
        struct stat copyInfo {};
    };
    int copyPart(Part &part);
    int movePart(Part &part, const std::string &name);
    void takeBack(size_t count);

    std::vector<Part> m_parts;
    std::vector<std::string> m_names;
    const HeldFolder *m_target = nullptr;
    bool m_copying = false;
    bool m_placed = false;
};
