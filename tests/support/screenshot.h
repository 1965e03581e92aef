#pragma once

#include <QDir>
#include <QWidget>

namespace fin::test {

// Saves a picture of the window when FIN_SCREENSHOT_DIR is set, for looking at it.
inline void screenshot(QWidget* w, const QString& name)
{
    const QByteArray dir = qgetenv("FIN_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    w->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(name + QStringLiteral(".png")));
}

} // namespace fin::test
