#pragma once

#include <QObject>
#include <QPointF>

#include <utility>

class HelpWindow;

// The right-click of every control: installed on the application, it asks the
// help window for the topic of the control (or of the nearest widget around it
// that has one).
class ContextHelpFilter : public QObject {
    Q_OBJECT
public:
    explicit ContextHelpFilter(HelpWindow& helpWindow, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpWindow& m_helpWindow;
    std::pair<quint64, QPointF> m_lastPress{0, QPointF(-1, -1)};
};
