#pragma once

#include <QDialog>

#include <functional>

class FieldCodesPanel;
class LiveServer;
class Prompter;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;
struct TournamentState;

// "Live im Netz": starts and ends the live server on one address of this computer, chosen from
// its network interfaces (loopback only for trying it out), and shows the address as a large QR
// code for the phones of the hall. The server goes on running when the window is closed.
class LiveNetDialog : public QDialog {
    Q_OBJECT
public:
    // `prepare` runs before each start (it makes sure there is a time plan to show).
    LiveNetDialog(LiveServer& server, const TournamentState& state, Prompter& prompter,
                  std::function<void()> prepare, QWidget* parent = nullptr);

    void startServer();
    void stopServer();
    // "http://192.168.1.20:8080/ – 3 Handys in der letzten Minute – 2 falsche Codes"; empty while
    // stopped.
    QString statusText() const;
    FieldCodesPanel* fieldCodes() const { return m_fieldCodes; }

signals:
    void statusChanged(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillAddresses();
    void showState();
    void showCode();

    LiveServer& m_server;
    const TournamentState& m_state;
    Prompter& m_prompter;
    std::function<void()> m_prepare;

    QComboBox* m_addresses = nullptr;
    QSpinBox* m_port = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QLabel* m_code = nullptr;
    QLabel* m_title = nullptr;   // the tournament's name above the code
    QLabel* m_caption = nullptr; // the address below it
    QLabel* m_hint = nullptr;
    QLabel* m_status = nullptr;
    QTimer* m_statusTimer = nullptr;
    FieldCodesPanel* m_fieldCodes = nullptr; // while the server takes results
    QString m_codeUrl;                       // the address the code shows
};
