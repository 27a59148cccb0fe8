#pragma once

#include "allocation/SearchSteps.h"

#include <QElapsedTimer>

#include <memory>

class QProgressDialog;
class QWidget;

// The window's side of a long allocation run: a run that is not done after a moment shows a
// progress bar with "Abbrechen" (modal for the whole program) and keeps the windows painted;
// pressing the button cancels the run. Short runs show nothing.
class AllocationProgressDialog {
public:
    static constexpr int ShowAfterMs = 400;

    explicit AllocationProgressDialog(QWidget* parent);
    ~AllocationProgressDialog();

    // The progress callback for AllocationOptions::Progress; valid while this object lives.
    AllocationProgress callback();

private:
    bool report(long long done, long long total);

    QWidget* m_parent;
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_running;
    QElapsedTimer m_sinceUpdate;
};
