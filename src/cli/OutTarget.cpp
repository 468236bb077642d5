#include "OutTarget.h"

#include <ostream>

#include <sys/stat.h>
#include <unistd.h>

#include "core/data/FileIO.h"

namespace gm::cli {

bool IsStandardOutput(std::string_view out) {
    if (out == "-") return true;
    // "/dev/stdout", or the very file standard output goes to: written as
    // standard output, so that nothing else said there lands inside it.
    struct stat named {}, standard {};
    return ::stat(std::string(out).c_str(), &named) == 0 && ::fstat(STDOUT_FILENO, &standard) == 0 &&
           named.st_dev == standard.st_dev && named.st_ino == standard.st_ino;
}

Status WriteOut(std::ostream& standardOutput, const std::string& out, std::string_view bytes) {
    if (!IsStandardOutput(out)) return WriteFileAtomic(out, bytes);
    standardOutput.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    standardOutput.flush();
    if (!standardOutput) return Status::Error("Cannot write to standard output");
    return Status::Ok();
}

}  // namespace gm::cli
