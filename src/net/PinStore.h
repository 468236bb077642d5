#pragma once

#include <filesystem>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <string_view>

#include "core/data/AppState.h"
#include "core/data/Status.h"

namespace gm::net {

// The members' PINs for the picks site: in a file of their own in the data
// folder, each kept only as a salted slow hash (libsodium's crypto_pwhash,
// Argon2id). A PIN is never written anywhere else.
inline constexpr std::string_view kPinFileName = "SitePins.dat";

// How slow a new PIN's hash is; the hash carries its own cost, so checking a
// PIN needs no cost.
struct PinCost {
    unsigned long long Ops = 0;
    std::size_t Memory = 0;
};
PinCost InteractiveCost();  // libsodium's interactive limits: what the program uses
PinCost QuickCost();        // the least libsodium allows: for tests and benchmarks only

// Starts libsodium once; false when it cannot (no secure random source).
bool CryptoReady();
// `bytes` random bytes from the secure source, as lower-case hex.
std::string RandomHex(std::size_t bytes);
// Whether two texts are equal, in a time that does not depend on where they differ.
bool SameSecret(std::string_view a, std::string_view b);

class PinStore {
public:
    static constexpr int kDigits = 8;

    explicit PinStore(std::filesystem::path dataFolder);

    // A new PIN for the member named `member`:
    // the old one stops working at once. The file is saved atomically; on a
    // failure nothing changes and the status says why.
    Status Issue(std::string_view member, std::string& pin, PinCost cost = InteractiveCost());
    // Whether `pin` is the member's PIN now. The file is read again when it
    // has changed since the last check (another program may issue PINs).
    bool Verify(std::string_view member, std::string_view pin);
    // Whether the member has a PIN.
    bool Has(std::string_view member);
    // How many of the pool's members have a PIN.
    int MembersWithPin(const AppState& state);

    const std::filesystem::path& File() const { return file_; }

private:
    using Table = std::map<std::string, std::string>;  // lower-case name -> hash
    Status ReadTable(Table& table) const;
    void Refresh();  // under mutex_

    struct Checks {
        std::mutex Mutex;
        std::condition_variable Free;
        int Running = 0;
        int Most = 2;
    };
    class CheckSlot {
    public:
        explicit CheckSlot(Checks& checks);
        ~CheckSlot();
        CheckSlot(const CheckSlot&) = delete;
        CheckSlot& operator=(const CheckSlot&) = delete;

    private:
        Checks& checks_;
    };

    Checks checks_;
    std::filesystem::path folder_;
    std::filesystem::path file_;
    std::mutex mutex_;
    Table cache_;
    std::filesystem::file_time_type stamp_{};
    std::uintmax_t size_ = static_cast<std::uintmax_t>(-1);
};

}  // namespace gm::net
