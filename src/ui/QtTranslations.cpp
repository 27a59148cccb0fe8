#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallGermanQtTranslations(QCoreApplication& application)
{
    auto* translator = new QTranslator(&application);
    const QStringList folders{
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    for (const QString& folder : folders) {
        if (translator->load(QStringLiteral("qtbase_de"), folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}
