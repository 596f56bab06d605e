// The choices of "More Options..." and of marrowlyn-batch's matching flags.
// Every default keeps a run exactly as it was before these options existed.
// Each is stored in the settings file as the word its flag takes, so the
// window and `marrowlyn-batch --window-settings` read the same value.
#pragma once

#include <QString>

#include <optional>

struct RunOptions {
    // How the subfolder of an archive is named in subfolder mode.
    enum class SubfolderName {
        FirstDot, // the file name up to its first dot
        Full,     // the whole name without the suffix of its kind (".zip", ".zip.001", ".tar.gz", ...)
        Smart,    // no folder of its own when everything already sits under one top folder
    };
    // What happens to an existing file of the same name.
    enum class OnConflict { Replace, Skip, Rename, Newer };
    // What happens to an archive that was extracted cleanly.
    enum class After { Keep, Trash, Move };

    SubfolderName subfolderName = SubfolderName::FirstDot;
    OnConflict onConflict = OnConflict::Replace;
    After after = After::Keep;
    QString afterFolder;       // for After::Move
    bool report = false;       // the window writes a report of each run into the output folder
    QString reportFile;        // the batch command's --report FILE
    bool askPasswords = false; // the window asks for the password of an archive none of the run's opens
    // ZIP archives extracted from an archive of the run are extracted in turn,
    // once, each into a folder beside it; and then removed, when asked.
    bool nested = false;
    bool removeNested = false;
    // Which archives a run opens: ZIP alone, by name and first bytes as the
    // window always did, or every kind the engine reads, by content.
    enum class Kinds { Zip, All };
    Kinds kinds = Kinds::Zip;
    // Not stored: how this front end tells of an archive of another kind
    // under Kinds::Zip ("--kinds all opens it"); empty: the window's words.
    QString otherKindAdvice;

    bool operator==(const RunOptions &) const = default;
};

// The words of the flags and the settings file, and back; nothing for a word
// that is not one of them. "move:DIR" is After::Move with its folder.
QString SubfolderNameWord(RunOptions::SubfolderName rule);
std::optional<RunOptions::SubfolderName> SubfolderNameFromWord(const QString &word);
QString OnConflictWord(RunOptions::OnConflict rule);
std::optional<RunOptions::OnConflict> OnConflictFromWord(const QString &word);
QString AfterWord(RunOptions::After after, const QString &folder);
// "off", "extract" or "extract-remove".
QString NestedWord(bool nested, bool remove);
bool NestedFromWord(const QString &word, bool &nested, bool &remove);
bool AfterFromWord(const QString &word, RunOptions::After &after, QString &folder);
// "zip" or "all".
QString KindsWord(RunOptions::Kinds kinds);
std::optional<RunOptions::Kinds> KindsFromWord(const QString &word);

// The stored choices; a stored value that is not a known word reads as the
// default. SaveRunOptions writes those that differ from what is stored.
RunOptions LoadRunOptions();
void SaveRunOptions(const RunOptions &options);
