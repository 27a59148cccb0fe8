#pragma once

#include <QString>

class Prompter;

// True when the file does not exist yet, or when "Die Datei <name> existiert schon.
// Überschreiben ? " (caption "Warnung") is answered with Yes: the save dialogs ask this before
// they replace a file.
bool MayReplaceFile(const QString& path, Prompter& prompter);
