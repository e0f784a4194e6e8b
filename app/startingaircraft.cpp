#include "app/startingaircraft.h"

#include "app/dialogs.h"

#include <QDir>
#include <QFileInfo>

QString startingAircraftPath(int index) {
    if (index < 0 || index >= tv::kStartingAircraftCount) return {};
    const QString name = QString::fromLatin1(kStartingAircraftFiles[index]);
    for (const QString& folder : exampleFolders()) {
        const QFileInfo f(QDir(folder), name);
        if (f.isFile()) return f.absoluteFilePath();
    }
    return {};
}
