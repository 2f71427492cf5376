// Where the program keeps its files: the executable's folder, or the per-user
// data folder when that one cannot be written (an installed copy).
#pragma once

#include <QString>

namespace vextor::app {

// The folder to use as the application folder. When `programFolder` is not
// writable, the per-user data folder is used instead and the shipped files
// (schemes, help page, sample puzzles) are copied there when missing.
QString resolveAppFolder(const QString& programFolder);

// Copies the colour schemes (*.sch), vextor.htm and puzzles.vxt of `from` into
// `to` where `to` does not hold them yet; other files stay behind.
void copyMissingFiles(const QString& from, const QString& to);

// True when a file can be created in the folder.
bool folderWritable(const QString& folder);

} // namespace vextor::app
