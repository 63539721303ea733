#include "record/record_grouping.h"

#include <algorithm>

#include "record/component_names.h"
#include "record/format_detection.h"
#include "input/memory_stream.h"
#include "common/path_text.h"
#include "record/agency_reading.h"
#include "record/agency_record.h"
#include "record/channel_placement.h"

namespace tremblo {

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The lower-case names of the files that make up the record `loadName`
// belongs to; empty when it makes a record alone.
std::vector<std::string> ComponentNamesOf(const std::string& loadName, RecordFormat format, bool threeComponents) {
    if (!threeComponents) return {};
    std::vector<std::string> names;
    if (format == RecordFormat::Knet) {
        if (!HasShortExtension(loadName)) return {};
        for (const std::string& path : DeriveKnetComponentNames(loadName, true).paths) names.push_back(Lower(path));
    } else if (const auto pair = DerivePairNames(loadName)) {
        for (const std::string& path : *pair) names.push_back(Lower(path));
    }
    return names;
}

}  // namespace

RecordFormat DetectMemberFormat(const ArchiveMember& member) {
    if (IsKnetFileName(member.loadName) || !member.damage.empty()) return RecordFormat::Knet;
    MemoryStream in(member.bytes);
    return DetectRecordFormat(in);
}

// The open record whose component names include `loadName`: keyed by its
// first component's name, which both naming schemes derive from any of them.
std::list<RecordGrouper::OpenRecord>::iterator RecordGrouper::OpenRecordOf(const std::string& loadName) {
    const std::string lowered = Lower(loadName);
    for (const RecordFormat scheme : {RecordFormat::Knet, RecordFormat::Hiroshima}) {
        const std::vector<std::string> names = ComponentNamesOf(loadName, scheme, settings_.threeComponents);
        if (names.empty()) continue;
        const auto keyed = byKey_.find(names.front());
        if (keyed == byKey_.end()) continue;
        const std::vector<std::string>& own = keyed->second->componentNames;
        if (std::find(own.begin(), own.end(), lowered) != own.end()) return keyed->second;
    }
    return open_.end();
}

RecordGrouper::OpenRecord RecordGrouper::Opened(ArchiveMember member) const {
    OpenRecord open;
    open.record.format = settings_.format.value_or(DetectMemberFormat(member));
    open.componentNames = ComponentNamesOf(member.loadName, open.record.format, settings_.threeComponents);
    open.key = open.componentNames.empty() ? std::string() : open.componentNames.front();
    open.record.members.push_back(std::move(member));
    return open;
}

// An agency member's channels and key, read from its header; a member whose
// header does not read, or that holds a full set, is a record alone (key "").
RecordGrouper::OpenRecord RecordGrouper::OpenedAgency(ArchiveMember member, RecordFormat format) const {
    OpenRecord open;
    open.agency = true;
    open.record.format = format;
    MemoryStream in(member.bytes);
    const Result<AgencyFile> header = ReadAgencyFile(format, in, HeaderOnlyReading());
    if (header && !header.value().channels.empty()) {
        for (const AgencyChannel& channel : header.value().channels) open.channels.push_back(channel.header);
        if (FirstSetIsFull(open.channels)) {
            open.record.componentSets = static_cast<int>(SplitIntoComponentSets(open.channels).size());
        } else {
            const std::string key = ComponentGroupKey(format, open.channels.front());
            open.key = "agency\n" + FolderPart(member.loadName) + "\n" +
                       (key.empty() ? "name:" + ComponentNameStem(FileNamePart(member.loadName)) : key);
        }
    }
    if (open.key.empty()) open.channels.clear();  // complete as it is
    open.record.members.push_back(std::move(member));
    return open;
}

bool RecordGrouper::Complete(const OpenRecord& open) const {
    if (open.agency) return open.key.empty() || FirstSetIsFull(open.channels);
    return std::all_of(open.componentNames.begin(), open.componentNames.end(), [&](const std::string& name) {
        return std::any_of(open.record.members.begin(), open.record.members.end(),
                           [&](const ArchiveMember& m) { return Lower(m.loadName) == name; });
    });
}

GroupedRecord RecordGrouper::Close(std::list<OpenRecord>::iterator it) {
    it->record.complete = Complete(*it);
    GroupedRecord record = std::move(it->record);
    for (const ArchiveMember& member : record.members) heldBytes_ -= member.bytes.size();
    const auto keyed = byKey_.find(it->key);
    if (keyed != byKey_.end() && keyed->second == it) byKey_.erase(keyed);
    open_.erase(it);
    return record;
}

std::vector<GroupedRecord> RecordGrouper::Released(std::list<OpenRecord>::iterator it) {
    std::vector<GroupedRecord> released;
    if (Complete(*it)) released.push_back(Close(it));
    while (heldBytes_ > settings_.heldByteLimit && !open_.empty()) released.push_back(Close(open_.begin()));
    return released;
}

std::vector<GroupedRecord> RecordGrouper::Add(ArchiveMember member) {
    heldBytes_ += member.bytes.size();
    const RecordFormat format = settings_.format.value_or(DetectMemberFormat(member));
    if (IsAgencyFormat(format) && settings_.threeComponents && member.damage.empty()) {
        OpenRecord opened = OpenedAgency(std::move(member), format);
        const auto keyed = opened.key.empty() ? byKey_.end() : byKey_.find(opened.key);
        if (keyed == byKey_.end()) {
            const auto it = open_.insert(open_.end(), std::move(opened));
            if (!it->key.empty()) byKey_.emplace(it->key, it);
            return Released(it);
        }
        const auto it = keyed->second;
        it->record.members.push_back(std::move(opened.record.members.front()));
        it->channels.insert(it->channels.end(), opened.channels.begin(), opened.channels.end());
        return Released(it);
    }
    // A member joins the open record its names make it part of; the format
    // of that record's first member decides.
    std::list<OpenRecord>::iterator it = OpenRecordOf(member.loadName);
    if (it != open_.end()) {
        const std::string lowered = Lower(member.loadName);
        for (const ArchiveMember& held : it->record.members)
            if (it->record.conflict.empty() && Lower(held.loadName) == lowered)
                it->record.conflict = held.name + " and " + member.name + " name the same component file";
        it->record.members.push_back(std::move(member));
    } else {
        it = open_.insert(open_.end(), Opened(std::move(member)));
        if (!it->key.empty()) byKey_.emplace(it->key, it);
    }
    return Released(it);
}

std::vector<GroupedRecord> RecordGrouper::Finish() {
    std::vector<GroupedRecord> rest;
    while (!open_.empty()) rest.push_back(Close(open_.begin()));
    return rest;
}

std::vector<GroupedRecord> RecordGrouper::FinishUnder(const std::string& loadPrefix) {
    std::vector<GroupedRecord> rest;
    for (auto it = open_.begin(); it != open_.end();) {
        const auto next = std::next(it);
        if (it->record.members.front().loadName.starts_with(loadPrefix)) rest.push_back(Close(it));
        it = next;
    }
    return rest;
}

}  // namespace tremblo
