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
            if (address.isNull() || address.isLinkLocal() || address.isMulticast())
                continue;
            addresses.push_back({address, interface.humanReadableName(), address.isLoopback()});
        }
    }
    const auto rank = [](const ServingAddress& entry) {
        return entry.Loopback ? 2 : entry.Address.protocol() == QAbstractSocket::IPv4Protocol ? 0 : 1;
    };
    std::stable_sort(addresses.begin(), addresses.end(),
                     [&rank](const ServingAddress& a, const ServingAddress& b) { return rank(a) < rank(b); });
    if (std::none_of(addresses.begin(), addresses.end(),
                     [](const ServingAddress& entry) { return entry.Loopback; }))
        addresses.push_back({QHostAddress(QHostAddress::LocalHost), QStringLiteral("lo"), true});
    return addresses;
}

QString ServingUrl(const QHostAddress& address, quint16 port)
{
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? u'[' + address.toString() + u']'
                             : address.toString();
    return QStringLiteral("http://%1:%2/").arg(host).arg(port);
}
