#include "desktop/AppEnvironment.h"

#include "platform/Folders.h"
#include "platform/Locale.h"
#include "platform/RecentlyUsed.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifndef FERROLUX_SOURCE_HELP_DIR
#define FERROLUX_SOURCE_HELP_DIR ""
#endif

AppEnvironment AppEnvironment::OfProcess(const QStringList& arguments)
{
    AppEnvironment environment;
    environment.SettingsFile = SettingsStore::DefaultPath();
    environment.Files = DataFiles::Locate();
    environment.OldSettingsFile = Folders::OldSettingsFile();
    environment.LocaleId = Locale::LocaleIdentifier();
    environment.IMeasure = Locale::IMeasure();
    environment.DocumentsFolder = Folders::DocumentsFolder();
    environment.HelpIndex = LocateHelpIndex(QCoreApplication::applicationDirPath().toStdString());
    environment.RecentlyUsedList = RecentlyUsed::DefaultListPath();
    environment.CommandLine = JoinArguments(arguments);
    return environment;
}

std::string AppEnvironment::JoinArguments(const QStringList& arguments)
{
    QString line;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!line.isEmpty())
            line += ' ';
        line += arguments[i].contains(' ') ? '"' + arguments[i] + '"' : arguments[i];
    }
    return line.toStdString();
}

std::string AppEnvironment::LocateHelpIndex(const std::string& programFolder)
{
    const QString folder = QString::fromStdString(programFolder);
    for (const QString& candidate : {folder + "/help/index.html", folder + "/../share/Harvex/help/index.html",
                                     QString(FERROLUX_SOURCE_HELP_DIR) + "/index.html"}) {
        if (QFileInfo(candidate).isFile())
            return QFileInfo(candidate).canonicalFilePath().toStdString();
    }
    return (folder + "/help/index.html").toStdString();
}
