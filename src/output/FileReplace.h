#pragma once

#include <QByteArray>
#include <QString>

class Prompter;

// True when the file does not exist yet, or when "Die Datei <name> existiert schon.
// Überschreiben ? " (caption "Warnung") is answered with Yes: the save dialogs ask this before
// they replace a file.
bool MayReplaceFile(const QString& path, Prompter& prompter);

// Writes `bytes` as the file's new content through a temporary file that takes the file's place
// only once it is complete: whatever happens, the file is whole, old or new. Returns the system's
// error text; empty when the file was written.
QString ReplaceFileContent(const QString& path, const QByteArray& bytes);

// ReplaceFileContent for the exports and saved documents; a failure shows "Speichern der Datei
// <name> nicht möglich" (caption "Fehler").
bool WriteExportFile(const QByteArray& bytes, const QString& fileName, Prompter& prompter);
