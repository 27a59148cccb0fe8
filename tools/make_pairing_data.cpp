// Writes the round-robin pairing data file "Daten1.dat" to the path given as the only argument.
#include "structure/PairingTable.h"

#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pairing_data OUTPUT\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    const QByteArray records = BuildPairingTable().toRecords();
    if (!file.open(QIODevice::WriteOnly) || file.write(records) != records.size()) {
        std::fprintf(stderr, "make_pairing_data: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
