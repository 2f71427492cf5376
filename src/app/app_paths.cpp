#include "app/app_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace vextor::app {

bool folderWritable(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath("vextor-probe-XXXXXX"));
    return probe.open();
}

void copyMissingFiles(const QString& from, const QString& to) {
    // Only what the program reads from its folder: the schemes, the help page
    // and the sample puzzles.
    const QDir source(from);
    const QStringList wanted{"*.sch", "vextor.htm", "puzzles.vxt"};
    for (const QFileInfo& f : source.entryInfoList(wanted, QDir::Files)) {
        const QString target = QDir(to).filePath(f.fileName());
        if (!QFileInfo::exists(target))
            QFile::copy(f.absoluteFilePath(), target);
    }
}

QString resourceFolder(const QString& programFolder) {
    const QDir program(programFolder);
    if (program.exists("vextor.htm"))
        return programFolder;
    const QString shared = QDir::cleanPath(program.filePath("../share/vextor"));
    return QDir(shared).exists("vextor.htm") ? shared : programFolder;
}

QString resolveAppFolder(const QString& programFolder) {
    const QString resources = resourceFolder(programFolder);
    if (resources == programFolder && folderWritable(programFolder))
        return programFolder;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data))
        return resources;
    copyMissingFiles(resources, data);
    return data;
}

} // namespace vextor::app
