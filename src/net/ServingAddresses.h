#pragma once

#include <QHostAddress>
#include <QString>

#include <vector>

// An address of this computer that the live server can listen on.
struct ServingAddress {
    QHostAddress Address;
    QString Interface; // "wlan0", "Ethernet"
    bool Loopback = false;

    // "192.168.1.20 (wlan0)"; loopback: "127.0.0.1 (nur dieser Rechner, zum Ausprobieren)".
    QString label() const;
};

// The addresses of the network interfaces that are up: IPv4 first, then IPv6 with a global scope
// (a phone cannot reach a link-local one by a plain link), and 127.0.0.1 last.
std::vector<ServingAddress> ServingAddresses();

// "http://192.168.1.20:8080/", "http://[2001:db8::5]:8080/".
QString ServingUrl(const QHostAddress& address, quint16 port);
