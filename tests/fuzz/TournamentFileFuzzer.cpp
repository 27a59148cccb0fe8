// libFuzzer target for the tournament file reader. Besides not crashing, a file that reads
// completely must survive one more write and read unchanged: after the first read the writer's
// output is canonical, so writing what it reads back gives the same bytes.
#include "model/TournamentFile.h"
#include "model/TournamentState.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    static auto state = std::make_unique<TournamentState>();
    const TournamentFileReadResult result = ReadTournamentFile(*state, bytes);
    if (!result.ok) {
        if (result.failedLine < 1 || result.reason.isEmpty())
            std::abort();
        return 0;
    }
    const QByteArray written = WriteTournamentFile(*state);
    if (!ReadTournamentFile(*state, written).ok || WriteTournamentFile(*state) != written)
        std::abort();
    return 0;
}
