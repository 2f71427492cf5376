// Where the program keeps its files: the executable's folder, or the per-user
// data folder when that one cannot be written (an installed copy).
#pragma once

#include <QString>

namespace vextor::app {

// Where the shipped files (schemes, help page, sample puzzles) are: the
// program folder when it holds the help page "vextor.htm" (a build or a copy
// kept in one folder), else "../share/vextor" beside it (an installed copy:
// bin/vextor and share/vextor), else the program folder.
QString resourceFolder(const QString& programFolder);

// The folder to use as the application folder: the program folder when it
// holds the shipped files and can be written; otherwise the per-user data
// folder, into which the shipped files are copied when missing.
QString resolveAppFolder(const QString& programFolder);

// Copies the colour schemes (*.sch), vextor.htm and puzzles.vxt of `from` into
// `to` where `to` does not hold them yet; other files stay behind.
void copyMissingFiles(const QString& from, const QString& to);

// True when a file can be created in the folder.
bool folderWritable(const QString& folder);

} // namespace vextor::app
