#include "ui/TournamentSaving.h"

#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "model/TournamentStorage.h"
#include "ui/FileChooser.h"

#include <QWidget>

TournamentSaving::TournamentSaving(TournamentState& state, Prompter& prompter, FileChooser& files,
                                   QWidget* window)
    : QObject(window), m_state(state), m_prompter(prompter), m_files(files), m_window(window)
{
}

bool TournamentSaving::saveWithDialog()
{
    const QString path = m_files.chooseFileToSave(m_window, {QStringLiteral("Korvane speichern"),
                                                             m_state.WorkDir, ProposedSaveName(m_state),
                                                             TournamentFileFilter, QStringLiteral("auf")});
    return !path.isEmpty() && saveTo(path);
}

bool TournamentSaving::save()
{
    if (m_state.RememberedFileName.isEmpty())
        return saveWithDialog();
    return saveTo(m_state.RememberedFileName);
}

bool TournamentSaving::settleUnsavedWork()
{
    if (m_state.IsSaved)
        return true;
    switch (m_prompter.askSaveDiscardCancel(
        QStringLiteral("Info"),
        QStringLiteral("Korvane ist nicht gespeichert. Sollen die Änderungen vorher gespeichert werden ?"))) {
    case Prompter::Answer::Yes:
        return save();
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Cancel:
        break;
    }
    return false;
}

bool TournamentSaving::saveTo(const QString& path)
{
    if (!SaveTournament(m_state, path, m_prompter))
        return false;
    emit saved(path);
    return true;
}
