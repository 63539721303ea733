#pragma once
// Gathers the members of an archive, read one after another, into records:
// with three components the files a chosen file names (X.NS, X.EW, X.UD;
// X.NS1 X.EW1 X.UD1; x.ns x.ew x.ud) in the same folder, matched ignoring
// letter case as the loader matches them; with one component every member
// alone; agency files (three components) by the folder and the station and
// event their headers state, complete with two horizontals and a vertical
// (a file holding them all is a record alone). A record is handed back as
// soon as its last component arrives, so
// an archive that lists each record's files next to each other is held one
// record at a time whatever its size. Records still incomplete at the end
// come out by Finish(), in the order of their first member; so do the
// oldest incomplete ones whenever the members held exceed a byte limit.
// The members of an archive inside the archive have load names under the
// name of that archive as under a folder, so records stay within it.
#include <cstddef>
#include <list>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "input/archive_member.h"
#include "record/seismic_record.h"
#include "record/stated_header.h"

namespace tremblo {

struct GroupingSettings {
    std::optional<RecordFormat> format;  // recognised per member when absent
    bool threeComponents = true;
    std::size_t heldByteLimit = std::size_t{512} << 20;
};

struct GroupedRecord {
    std::vector<ArchiveMember> members;  // in archive order
    RecordFormat format = RecordFormat::Knet;
    bool complete = false;
    // Two members naming the same component (X.NS and X.ns): the record
    // is not loaded; this names both.
    std::string conflict;
    // An agency member holding a full set alone: the sets of components it
    // holds (a record of each), as its header read for grouping says.
    int componentSets = 1;
    // The load name of the member to load the record by (its first).
    const std::string& chosen() const { return members.front().loadName; }
};

class RecordGrouper {
public:
    explicit RecordGrouper(GroupingSettings settings) : settings_(settings) {}

    // Records that are complete with `member`, then any pushed out by the
    // byte limit.
    std::vector<GroupedRecord> Add(ArchiveMember member);
    // The records still incomplete, oldest first; the grouper is then empty.
    std::vector<GroupedRecord> Finish();
    // The records still incomplete whose first member's load name starts
    // with `loadPrefix`, oldest first: those of an archive inside that has
    // ended ("e.knt.tar.gz/"), which no later member can complete.
    std::vector<GroupedRecord> FinishUnder(const std::string& loadPrefix);

    std::size_t heldBytes() const { return heldBytes_; }
    std::size_t openRecords() const { return open_.size(); }

private:
    struct OpenRecord {
        std::string key;
        std::vector<std::string> componentNames;  // lower case; empty: complete with its first member
        bool agency = false;                      // complete with a full set of these channels
        std::vector<ChannelHeader> channels;
        GroupedRecord record;
    };
    bool Complete(const OpenRecord& open) const;
    OpenRecord Opened(ArchiveMember member) const;
    OpenRecord OpenedAgency(ArchiveMember member, RecordFormat format) const;
    std::vector<GroupedRecord> Released(std::list<OpenRecord>::iterator it);
    std::list<OpenRecord>::iterator OpenRecordOf(const std::string& loadName);
    GroupedRecord Close(std::list<OpenRecord>::iterator it);

    GroupingSettings settings_;
    std::list<OpenRecord> open_;  // oldest first
    std::map<std::string, std::list<OpenRecord>::iterator> byKey_;
    std::size_t heldBytes_ = 0;
};

// The format of a file from its name and content, as the batch recognises a
// plain file's: a name as the networks name their files is K-NET/KiK-net.
RecordFormat DetectMemberFormat(const ArchiveMember& member);

}  // namespace tremblo
