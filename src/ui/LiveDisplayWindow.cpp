#include "ui/LiveDisplayWindow.h"

#include "model/TournamentState.h"
#include "ui/HelpTopics.h"
#include "ui/LiveDisplayView.h"
#include "ui/WidgetNames.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

LiveDisplayWindow::LiveDisplayWindow(const TournamentState& state, const TextGrid& timePlan, QWidget* parent)
    : QWidget(parent, Qt::Window), m_state(state), m_timePlan(timePlan)
{
    setObjectName(QStringLiteral("Hallenanzeige"));
    setWindowTitle(QStringLiteral("Hallenanzeige"));
    SetHelpTopic(this, HelpTopic::ScheduleCommands);
    resize(1280, 760);

    m_view = new LiveDisplayView;
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_screens = Named(new QComboBox, "cbBildschirm");
    m_seconds = Named(new QSpinBox, "seSekunden");
    m_seconds->setRange(3, 600);
    m_seconds->setValue(DefaultSeconds);
    m_seconds->setSuffix(QStringLiteral(" s"));
    m_fullScreen = Named(new QPushButton(QStringLiteral("&Vollbild")), "btVollbild");
    m_pageLabel = Named(new QLabel, "lbSeite");
    m_pageLabel->setMinimumWidth(
        m_pageLabel->fontMetrics().horizontalAdvance(QStringLiteral("Seite 99 von 99")));
    m_hint = Named(new QLabel, "lbHinweis");
    m_hint->setWordWrap(true);

    m_controls = new QWidget;
    auto* bar = new QHBoxLayout(m_controls);
    auto* screenLabel = new QLabel(QStringLiteral("&Bildschirm:"));
    screenLabel->setBuddy(m_screens);
    bar->addWidget(screenLabel);
    bar->addWidget(m_screens);
    bar->addWidget(new QLabel(QStringLiteral("Seitenwechsel alle")));
    bar->addWidget(m_seconds);
    bar->addWidget(m_fullScreen);
    bar->addWidget(m_pageLabel);
    bar->addWidget(m_hint, 1);
    bar->addWidget(new QLabel(QStringLiteral("Pfeiltasten: blättern, Esc: Vollbild verlassen")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_controls);
    layout->addWidget(m_view, 1);

    m_timer = new QTimer(this);
    m_timer->setInterval(m_seconds->value() * 1000);
    connect(m_timer, &QTimer::timeout, this, &LiveDisplayWindow::nextPage);
    connect(m_seconds, &QSpinBox::valueChanged, this,
            [this](int seconds) { m_timer->setInterval(seconds * 1000); });
    connect(m_fullScreen, &QPushButton::clicked, this, &LiveDisplayWindow::enterFullScreen);
    fillScreens();
}

void LiveDisplayWindow::fillScreens()
{
    m_screens->clear();
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (int index = 0; index < screens.size(); ++index) {
        const QRect area = screens[index]->geometry();
        m_screens->addItem(QStringLiteral("%1: %2 (%3 × %4)")
                               .arg(index + 1)
                               .arg(screens[index]->name())
                               .arg(area.width())
                               .arg(area.height()));
    }
    // A second screen is most likely the projector.
    m_screens->setCurrentIndex(screens.size() > 1 ? 1 : 0);
}

void LiveDisplayWindow::refresh()
{
    m_model = BuildDisplayModel(m_state, m_timePlan, DisplayLayout{});
    m_page = std::clamp(m_page, 0, int(m_model.Pages.size()) - 1);
    m_view->showPage(m_model, m_page);
    updateControls();
}

void LiveDisplayWindow::turnTo(int page)
{
    m_model = BuildDisplayModel(m_state, m_timePlan, DisplayLayout{});
    const int count = int(m_model.Pages.size());
    m_page = ((page % count) + count) % count;
    m_view->showPage(m_model, m_page);
    updateControls();
    if (m_timer->isActive())
        m_timer->start(); // a page turned by hand stays its full time
}

void LiveDisplayWindow::nextPage()
{
    turnTo(m_page + 1);
}

void LiveDisplayWindow::previousPage()
{
    turnTo(m_page - 1);
}

void LiveDisplayWindow::updateControls()
{
    m_pageLabel->setText(QStringLiteral("Seite %1 von %2").arg(m_page + 1).arg(m_model.Pages.size()));
    m_hint->setText(m_model.HasTimePlan ? QString()
                                        : QStringLiteral("Noch kein Zeitplan: \"Zeitplan / Platzverteilung\" "
                                                         "öffnen, dann erscheinen die Spiele."));
}

void LiveDisplayWindow::enterFullScreen()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    const int chosen = m_screens->currentIndex();
    m_controls->hide();
    if (chosen >= 0 && chosen < screens.size()) {
        if (!windowHandle())
            winId(); // creates the native window, so it can be moved to the screen
        windowHandle()->setScreen(screens[chosen]);
        setGeometry(screens[chosen]->geometry());
    }
    showFullScreen();
    m_view->setFocus();
}

void LiveDisplayWindow::leaveFullScreen()
{
    showNormal();
    m_controls->show();
}

void LiveDisplayWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageDown:
    case Qt::Key_Space:
        nextPage();
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        previousPage();
        break;
    case Qt::Key_Escape:
        leaveFullScreen();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void LiveDisplayWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
    m_timer->start();
}

void LiveDisplayWindow::hideEvent(QHideEvent* event)
{
    m_timer->stop();
    QWidget::hideEvent(event);
}
