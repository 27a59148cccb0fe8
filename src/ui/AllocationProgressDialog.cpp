#include "ui/AllocationProgressDialog.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {
constexpr int UpdateEveryMs = 50;
constexpr int Scale = 1000;
} // namespace

AllocationProgressDialog::AllocationProgressDialog(QWidget* parent) : m_parent(parent) {}

AllocationProgressDialog::~AllocationProgressDialog() = default;

AllocationProgress AllocationProgressDialog::callback()
{
    return [this](long long done, long long total) { return report(done, total); };
}

// Called after every thousand trials: most calls only look at the clock.
bool AllocationProgressDialog::report(long long done, long long total)
{
    if (!m_running.isValid())
        m_running.start();
    if (m_running.elapsed() < ShowAfterMs)
        return true;
    if (m_sinceUpdate.isValid() && m_sinceUpdate.elapsed() < UpdateEveryMs)
        return !m_dialog->wasCanceled();
    if (!m_dialog) {
        m_dialog = std::make_unique<QProgressDialog>(QStringLiteral("Die Platzverteilung wird berechnet ..."),
                                                     QStringLiteral("Abbrechen"), 0, Scale, m_parent);
        m_dialog->setObjectName(QStringLiteral("dlgPlatzverteilungFortschritt"));
        m_dialog->setWindowTitle(QStringLiteral("Platzverteilung"));
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->show();
    }
    m_dialog->setValue(total > 0 ? int(done * Scale / total) : 0);
    QCoreApplication::processEvents();
    m_sinceUpdate.start();
    return !m_dialog->wasCanceled();
}
