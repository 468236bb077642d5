#include "net/PinStore.h"

#include <fcntl.h>
#include <sodium.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <thread>
#include <cctype>

#include "core/data/FileIO.h"

namespace gm::net {

namespace {

constexpr std::string_view kSignature = "Gridmoot site PINs 1";

std::string Key(std::string_view member) {
    std::size_t b = 0, e = member.size();
    while (b < e && std::isspace(static_cast<unsigned char>(member[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(member[e - 1]))) --e;
    std::string out(member.substr(b, e - b));
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Issuing reads the file, changes one line and writes it back: two issuers
// (the desktop program and gridmoot-cli) take turns on a lock file beside it.
class IssueLock {
public:
    explicit IssueLock(const std::filesystem::path& folder) {
        fd_ = ::open((folder / ".gridmoot.pins.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ >= 0) ::flock(fd_, LOCK_EX);
    }
    ~IssueLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    IssueLock(const IssueLock&) = delete;
    IssueLock& operator=(const IssueLock&) = delete;

private:
    int fd_ = -1;
};

}  // namespace

PinStore::CheckSlot::CheckSlot(Checks& checks) : checks_(checks) {
    std::unique_lock<std::mutex> lock(checks_.Mutex);
    checks_.Free.wait(lock, [this] { return checks_.Running < checks_.Most; });
    ++checks_.Running;
}

PinStore::CheckSlot::~CheckSlot() {
    {
        std::lock_guard<std::mutex> lock(checks_.Mutex);
        --checks_.Running;
    }
    checks_.Free.notify_one();
}

PinCost InteractiveCost() {
    return {crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE};
}

PinCost QuickCost() {
    return {crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN};
}

bool CryptoReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

std::string RandomHex(std::size_t bytes) {
    CryptoReady();
    std::string raw(bytes, '\0');
    randombytes_buf(raw.data(), raw.size());
    std::string hex(bytes * 2 + 1, '\0');
    sodium_bin2hex(hex.data(), hex.size(), reinterpret_cast<const unsigned char*>(raw.data()), raw.size());
    hex.pop_back();
    sodium_memzero(raw.data(), raw.size());
    return hex;
}

bool SameSecret(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    return a.empty() || sodium_memcmp(a.data(), b.data(), a.size()) == 0;
}

PinStore::PinStore(std::filesystem::path dataFolder)
    : folder_(std::move(dataFolder)), file_(FindFile(folder_, kPinFileName)) {
    checks_.Most = std::max(2, static_cast<int>(std::thread::hardware_concurrency()));
}

Status PinStore::ReadTable(Table& table) const {
    std::string bytes;
    bool missing = false;
    if (Status s = ReadFileBytes(file_, bytes, &missing); !s) return s;
    table.clear();
    if (missing) return Status::Ok();
    std::string_view rest = bytes;
    bool first = true;
    while (!rest.empty()) {
        const std::size_t nl = rest.find('\n');
        const std::string_view line = rest.substr(0, nl);
        rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
        if (first) {
            first = false;
            if (line != kSignature)
                return Status::Error(FileErrorText("read", file_, "it is not a file of site PINs"));
            continue;
        }
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos || tab == 0) continue;
        table[std::string(line.substr(0, tab))] = std::string(line.substr(tab + 1));
    }
    return Status::Ok();
}

void PinStore::Refresh() {
    std::error_code ec;
    const auto stamp = std::filesystem::last_write_time(file_, ec);
    const auto size = ec ? static_cast<std::uintmax_t>(-1) : std::filesystem::file_size(file_, ec);
    if (ec) {
        cache_.clear();
        size_ = static_cast<std::uintmax_t>(-1);
        return;
    }
    if (stamp == stamp_ && size == size_) return;
    Table table;
    // A file that cannot be read lets nobody in, rather than the last PINs read.
    if (!ReadTable(table)) table.clear();
    cache_ = std::move(table);
    stamp_ = stamp;
    size_ = size;
}

Status PinStore::Issue(std::string_view member, std::string& pin, PinCost cost) {
    const std::string key = Key(member);
    if (key.empty() || key.find_first_of("\t\r\n") != std::string::npos)
        return Status::Error("A PIN needs a member's name.");
    if (!CryptoReady()) return Status::Error("No secure source of random numbers is available.");
    std::string fresh(kDigits, '0');
    for (char& c : fresh) c = static_cast<char>('0' + randombytes_uniform(10));
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, fresh.data(), fresh.size(), cost.Ops, cost.Memory) != 0)
        return Status::Error("There was not enough memory to protect the PIN.");

    IssueLock lock(folder_);
    Table table;
    if (Status s = ReadTable(table); !s) return s;
    table[key] = hash;
    std::string bytes(kSignature);
    bytes += '\n';
    for (const auto& [name, h] : table) bytes += name + '\t' + h + '\n';
    if (Status s = WriteFileAtomic(file_, bytes); !s) return s;
    pin = std::move(fresh);
    std::lock_guard<std::mutex> guard(mutex_);
    size_ = static_cast<std::uintmax_t>(-1);  // read it again at the next check
    return Status::Ok();
}

bool PinStore::Verify(std::string_view member, std::string_view pin) {
    if (!CryptoReady()) return false;
    std::string hash;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        Refresh();
        const auto it = cache_.find(Key(member));
        if (it == cache_.end()) return false;
        hash = it->second;
    }
    // The slow part runs outside the lock, so that sign-ins check side by
    // side, but no more at once than the processor has cores: each check
    // takes its own 64 MiB, and a rush of forty would otherwise take them all
    // together without finishing any sooner.
    if (pin.size() > 64) return false;
    CheckSlot slot(checks_);
    return crypto_pwhash_str_verify(hash.c_str(), pin.data(), pin.size()) == 0;
}

bool PinStore::Has(std::string_view member) {
    std::lock_guard<std::mutex> guard(mutex_);
    Refresh();
    return cache_.count(Key(member)) > 0;
}

int PinStore::MembersWithPin(const AppState& state) {
    int count = 0;
    for (int m = 0; m < state.MemberCount && m < static_cast<int>(state.Members.size()); ++m)
        if (Has(state.Members[static_cast<std::size_t>(m)].TrimmedName())) ++count;
    return count;
}

}  // namespace gm::net
