#include "PoolCsv.h"

#include "Csv.h"

namespace gm {

std::string ExportPoolCsv(std::span<const MemberRecord> members) {
    std::string out = "record,name,player_number,entry,week,slot,value\n";
    int record = 0;
    for (const MemberRecord& m : members) {
        ++record;
        std::string name = m.Name;
        name.erase(name.find_last_not_of(' ') + 1);
        const std::string head = std::to_string(record) + "," + CsvField(name) + "," + std::to_string(m.PlayerNumber) + ",";
        out += head + "member,,,\n";
        auto entries = [&](const WeekSlotBytes& block, const char* kind) {
            for (int w = 0; w < kStoredWeeks; ++w)
                for (int g = 0; g < kStoredSlots; ++g)
                    if (block[w][g] != 0)
                        out += head + kind + "," + std::to_string(w + 1) + "," + std::to_string(g) + "," +
                               std::to_string(block[w][g]) + "\n";
        };
        entries(m.Picks, "pick");
        entries(m.Confidence, "confidence");
        for (int w = 0; w < kStoredWeeks; ++w)
            if (m.Tiebreak[w] != 0)
                out += head + "tiebreak," + std::to_string(w + 1) + ",," + std::to_string(m.Tiebreak[w]) + "\n";
    }
    return out;
}

}  // namespace gm
