// The report of a run: one CSV line per archive, for a spreadsheet or a
// script to read. The header names the columns; text is quoted where needed.
#pragma once

#include "ArchiveJob.h"

#include <QDateTime>
#include <QString>

#include <vector>

// The window's report goes into the run's output folder, named for when the run began.
QString WindowReportPath(const QString &outputFolder, const QDateTime &started);

// "" when written, else why not.
QString WriteRunReport(const QString &file, const std::vector<ArchiveResult> &results);
