#pragma once

#include "ui/FileChooser.h"

class Prompter;

// The save dialog, then the question before an existing file is replaced: the chosen path, or an
// empty text when the dialog was cancelled or replacing was declined.
QString ChooseFileToReplace(FileChooser& files, QWidget* parent, const FileChooser::Request& request,
                            Prompter& prompter);

// Where the pages go when no printer is installed: a PDF file chosen in the working directory.
QString ChoosePdfPath(FileChooser& files, QWidget* parent, const QString& workDir,
                      const QString& proposedName, Prompter& prompter);
