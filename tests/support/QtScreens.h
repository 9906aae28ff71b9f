#pragma once
// Pictures of windows for a person to look at: saved into $FERROLUX_SCREENS
// when set, else into build/screens beside the build folders (never
// committed).

#include <QDir>
#include <QTest>
#include <QWidget>

inline void SaveScreen(QWidget& window, const QString& name)
{
    QString folder = qEnvironmentVariable("FERROLUX_SCREENS");
    if (folder.isEmpty())
        folder = QStringLiteral(FERROLUX_TEST_DATA_DIR "/../build/screens");
    QDir().mkpath(folder);
    QVERIFY(window.grab().save(folder + "/" + name + ".png"));
}
