#pragma once

#include <QtGlobal>

// What one connection of the live server may ask for. A phone's request head is well under
// 1 KiB; a body is only ever a referee's form with one result, some 150 bytes. A phone polls every few
// seconds on a kept-alive connection, so an idle connection is closed only after several polls missed.
namespace HttpLimits {
inline constexpr qint64 MaxHeadBytes = 8 * 1024;
inline constexpr qint64 MaxBodyBytes = 512;
// What the socket buffers at most: a request that fits the limits always fits.
inline constexpr qint64 ReadBufferBytes = 16 * 1024;
inline constexpr int MaxConnections = 512;
// A request must be complete this long after its first byte.
inline constexpr int RequestTimeoutMs = 10'000;
inline constexpr int IdleTimeoutMs = 30'000;
// A refused connection gets this long to read its answer before it is cut.
inline constexpr int ClosingGraceMs = 2'000;
} // namespace HttpLimits
