#include "net/ServingAddresses.h"

#include <QNetworkInterface>

#include <algorithm>

QString ServingAddress::label() const
{
    if (Loopback)
        return Address.toString() + QStringLiteral(" (nur dieser Rechner, zum Ausprobieren)");
    return Address.toString() + QStringLiteral(" (") + Interface + u')';
}

std::vector<ServingAddress> ServingAddresses()
{
    std::vector<ServingAddress> addresses;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.isNull() || address.isLoopback() || address.isLinkLocal() || address.isMulticast())
                continue;
            addresses.push_back({address, interface.humanReadableName(), false});
        }
    }
    std::stable_sort(addresses.begin(), addresses.end(),
                     [](const ServingAddress& a, const ServingAddress& b) {
                         return a.Address.protocol() == QAbstractSocket::IPv4Protocol &&
                                b.Address.protocol() != QAbstractSocket::IPv4Protocol;
                     });
    // One loopback address is enough for trying the pages out on this computer.
    addresses.push_back({QHostAddress(QHostAddress::LocalHost), QString(), true});
    return addresses;
}

QString ServingUrl(const QHostAddress& address, quint16 port)
{
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? u'[' + address.toString() + u']'
                             : address.toString();
    return QStringLiteral("http://%1:%2/").arg(host).arg(port);
}
