#include "OutTarget.h"

#include <ostream>

#include "core/data/FileIO.h"

namespace gm::cli {

bool IsStandardOutput(std::string_view out) {
    return out == "-";
}

Status WriteOut(std::ostream& standardOutput, const std::string& out, std::string_view bytes) {
    if (!IsStandardOutput(out)) return WriteFileAtomic(out, bytes);
    standardOutput.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    standardOutput.flush();
    if (!standardOutput) return Status::Error("Cannot write to standard output");
    return Status::Ok();
}

}  // namespace gm::cli
