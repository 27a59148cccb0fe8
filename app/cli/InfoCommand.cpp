#include "CliCommands.h"

#include <QTextStream>

namespace cli {
int RunInfo(const QStringList& arguments)
{
    QTextStream err(stderr);
    err << "info: not available yet (" << arguments.size() << " arguments)" << Qt::endl;
    return 1;
}
} // namespace cli
