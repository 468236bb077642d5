#pragma once

namespace gm {

// Where one printout goes: what "Send Output To" (or a window's own choice)
// asked for, handed to the dispatch for that one use.
struct OutputRequest {
    bool OutPrinter = false;
    bool OutTextFile = false;
    bool OutClipboard = false;
    bool OutWebPage = false;
    bool OnePerPlayer = false;
    int NumCopies = 0;

    // The printer alone, for windows that print without asking where.
    static OutputRequest Printer(int copies = 1) { return {true, false, false, false, false, copies}; }
};

}  // namespace gm
