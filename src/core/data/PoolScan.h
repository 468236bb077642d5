#pragma once

#include <functional>
#include <span>

#include "AppState.h"
#include "MemberRecord.h"
#include "Status.h"

namespace gm {

// Reads the pool file as LoadPool does (the same records, count, warning and
// errors) but hands the decoded members to `block` a few hundred at a time
// in file order instead of keeping them: for a display that needs a summary
// of every member, not the member table. Sets MemberCount; Members is left
// empty. A missing pool file is created empty, as LoadPool creates it.
Status ScanPool(AppState& state, const std::function<void(std::span<const MemberRecord>)>& block);

}  // namespace gm
