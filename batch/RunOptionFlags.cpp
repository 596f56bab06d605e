#include "RunOptionFlags.h"

#include <QCoreApplication>
#include <QCommandLineParser>

namespace {

const QString SubfolderNameFlag = QStringLiteral("subfolder-name");
const QString OnConflictFlag = QStringLiteral("on-conflict");
const QString AfterFlag = QStringLiteral("after");
const QString ReportFlag = QStringLiteral("report");
const QString PasswordsFileFlag = QStringLiteral("passwords-file");
const QString NestedFlag = QStringLiteral("nested");
const QString KindsFlag = QStringLiteral("kinds");

} // namespace

QList<QCommandLineOption> RunOptionFlags::Options()
{
    return {
        {SubfolderNameFlag,
         QCoreApplication::translate(
             "RunOptionFlags",
             "How each archive's subfolder is named: first-dot (the name up to its first dot, the "
             "default), full (the whole name without .zip), smart (no subfolder when everything in "
             "the archive already sits under one top folder)."),
         "RULE"},
        {OnConflictFlag,
         QCoreApplication::translate(
             "RunOptionFlags",
             "When a file exists: replace (the default), skip, rename (keep both: the new file gets "
             "\" (2)\"), newer (replace it only with a newer one)."),
         "RULE"},
        {AfterFlag,
         QCoreApplication::translate(
             "RunOptionFlags",
             "After an archive is extracted cleanly: keep it (the default), trash it, or move:DIR (all the "
             "parts of a set together)."),
         "WHAT"},
        {ReportFlag,
         QCoreApplication::translate(
             "RunOptionFlags",
             "Write a report of the run to FILE (CSV: archive, destination, result, reason, files, bytes, "
             "seconds)."),
         "FILE"},
        {PasswordsFileFlag,
         QCoreApplication::translate("RunOptionFlags",
                                     "Try each password of FILE (one a line) in turn on each encrypted archive."),
         "FILE"},
        {NestedFlag,
         QCoreApplication::translate(
             "RunOptionFlags",
             "Also extract the ZIP archives found inside the archives, once, each into a folder beside it.")},
        {KindsFlag,
         QCoreApplication::translate(
             "RunOptionFlags",
             "Which archives are opened: all (the default: every kind Marrowlyn reads, told by "
             "content; a folder scan collects their extensions) or zip (ZIP alone, by name and first "
             "bytes, as the window does by default)."),
         "KINDS"},
    };
}

bool RunOptionFlags::read(const QCommandLineParser &parser, QString &error)
{
    if (parser.isSet(SubfolderNameFlag)) {
        subfolderName = SubfolderNameFromWord(parser.value(SubfolderNameFlag));
        if (!subfolderName) {
            error = QCoreApplication::translate("RunOptionFlags",
                                                "Unknown subfolder name rule '%1': use first-dot, full or smart.")
                        .arg(parser.value(SubfolderNameFlag));
            return false;
        }
    }
    if (parser.isSet(OnConflictFlag)) {
        onConflict = OnConflictFromWord(parser.value(OnConflictFlag));
        if (!onConflict) {
            error = QCoreApplication::translate("RunOptionFlags",
                                                "Unknown conflict rule '%1': use replace, skip, rename or newer.")
                        .arg(parser.value(OnConflictFlag));
            return false;
        }
    }
    if (parser.isSet(AfterFlag)) {
        RunOptions::After chosen{};
        if (!AfterFromWord(parser.value(AfterFlag), chosen, afterFolder)) {
            error = QCoreApplication::translate("RunOptionFlags",
                                                "Unknown choice '%1' for --after: use keep, trash or move:DIR.")
                        .arg(parser.value(AfterFlag));
            return false;
        }
        after = chosen;
    }
    reportFile = parser.value(ReportFlag);
    if (parser.isSet(ReportFlag) && reportFile.isEmpty()) {
        error = QCoreApplication::translate("RunOptionFlags", "The report file name must not be empty.");
        return false;
    }
    passwordsFile = parser.value(PasswordsFileFlag);
    if (parser.isSet(PasswordsFileFlag) && passwordsFile.isEmpty()) {
        error = QCoreApplication::translate("RunOptionFlags", "The passwords file name must not be empty.");
        return false;
    }
    nested = parser.isSet(NestedFlag);
    if (parser.isSet(KindsFlag)) {
        kinds = KindsFromWord(parser.value(KindsFlag));
        if (!kinds) {
            error = QCoreApplication::translate("RunOptionFlags", "Unknown archive kinds '%1': use all or zip.")
                        .arg(parser.value(KindsFlag));
            return false;
        }
    }
    return true;
}

RunOptions RunOptionFlags::resolve(bool windowSettings) const
{
    RunOptions options = windowSettings ? LoadRunOptions() : RunOptions{};
    options.report = false; // the window's report goes into its own run's output folder
    options.subfolderName = subfolderName.value_or(options.subfolderName);
    options.onConflict = onConflict.value_or(options.onConflict);
    if (after) {
        options.after = *after;
        options.afterFolder = afterFolder;
    }
    options.reportFile = reportFile;
    if (nested)
        options.nested = true;
    options.kinds = kinds.value_or(windowSettings ? options.kinds : RunOptions::Kinds::All);
    options.otherKindAdvice = QCoreApplication::translate("RunOptionFlags", "--kinds all opens it");
    return options;
}
