#include "HomePage.h"

namespace gm {

// Placeholder until the web site writer lands.
Status WriteHomePage(const AppState&, std::string* confirmation) {
    if (confirmation) confirmation->clear();
    return Status::Error("The pool home page cannot be written yet.");
}

}  // namespace gm
