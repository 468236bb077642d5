#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "AppState.h"
#include "Status.h"

namespace gm {

std::string EncodePool(std::span<const MemberRecord> members);

// Reads "Pool97.dat" into Members and MemberCount. A missing file gives an
// empty pool and is created empty. An incomplete last record is ignored. A file
// with more records than the member count can hold loads the first 32,767 and
// reports the rest as a warning (they stay in the file untouched).
Status LoadPool(AppState& state);
// The reading under LoadPool and ScanPool: the pool file's whole records,
// handed to `whole` a block of at most a few hundred at a time, in file order
// (an incomplete last record is left out). A missing file is created empty.
Status ReadPoolRecords(const fs::path& file,
                       const std::function<void(const std::uint8_t* records, std::size_t count)>& whole);
// The warning of a pool file holding more records than the member count can.
Status PoolOverflowWarning(std::string_view fileName, std::size_t records);
// The same from the pool file's bytes (LoadPool reads the file and calls it).
Status LoadPoolBytes(AppState& state, std::string_view bytes, std::string_view fileName = kPoolFileName);

// Writes the members back over records 1 to MemberCount. Bytes of the file
// beyond those records are kept, as an in-place write would keep them.
Status SavePool(const AppState& state);

// Replaces the pool file by exactly these records (written to "Temp.dat" and
// moved over "Pool97.dat"), then reloads it. When "Pool97.dat" is a link, the
// file it points to is replaced and the link stays; a pipe or device there
// is written directly and the table becomes the records.
Status RebuildPool(AppState& state, std::span<const MemberRecord> records);

// Hands out the next player number (LastPlayerNumber + 1). Returns 0 when the
// 16-bit counter is used up.
int IssuePlayerNumber(AppState& state);

}  // namespace gm
