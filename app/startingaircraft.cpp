#include "app/startingaircraft.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString startingAircraftPath(int index) {
    if (index < 0 || index >= tv::kStartingAircraftCount) return {};
    const QString name = QString::fromLatin1(kStartingAircraftFiles[index]);
    const QStringList folders = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tarvolin4/examples"),
        QStringLiteral(TV_SOURCE_EXAMPLES_DIR),
    };
    for (const QString& folder : folders) {
        const QFileInfo f(QDir(folder), name);
        if (f.isFile()) return f.absoluteFilePath();
    }
    return {};
}
