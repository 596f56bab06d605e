// The passwords of one marrowlyn-batch run, read before any archive is
// touched: the run's own (--password-file, --password-stdin) and the list
// tried after it (--passwords-file). Neither is ever stored.
#pragma once

#include "BatchCommand.h"
#include "BatchOptions.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

// The run's own password, "" when none was asked for; nothing, with `error`
// set, when it was asked for and cannot be had.
std::optional<std::string> ReadRunPassword(const BatchOptions &o, const BatchIo &io, QString &error);

// The list of a --passwords-file, empty when `path` is; nothing, with
// `error` set, when the file cannot be read or holds no password.
std::optional<std::vector<std::string>> ReadPasswordList(const QString &path, QString &error);
