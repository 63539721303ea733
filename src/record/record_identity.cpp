#include "record/record_identity.h"

#include <filesystem>

#include "common/path_text.h"
#include "input/record_file_source.h"
#include "record/agency_reading.h"
#include "record/agency_record.h"
#include "record/channel_placement.h"
#include "record/component_names.h"

namespace tremblo {

namespace {

std::string Normal(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return (ec ? std::filesystem::path(path) : absolute).lexically_normal().string();
}


}  // namespace

std::string AgencyRecordIdentity(const std::string& path, RecordFormat format, std::span<const ChannelHeader> headers) {
    if (headers.empty() || FirstSetIsFull(headers)) return Normal(path);
    const std::string key = ComponentGroupKey(format, headers.front());
    const std::string folder = Normal(FolderPart(path).empty() ? std::string(".") : FolderPart(path));
    return folder + "/\n" + (key.empty() ? "name:" + ComponentNameStem(FileNamePart(path)) : key);
}

std::string RecordIdentity(const std::string& path, RecordFormat format, bool threeComponents,
                           FolderListings* listings) {
    if (IsAgencyFormat(format))
        return threeComponents ? AgencyRecordIdentity(path, format, AgencyChannelHeaders(path, format)) : Normal(path);
    std::string first = path;
    if (threeComponents) {
        if (format == RecordFormat::Knet) {
            if (HasShortExtension(path)) first = DeriveKnetComponentNames(path, true).paths[0];
        } else if (const auto pair = DerivePairNames(path)) {
            first = (*pair)[0];
        }
    }
    return Normal(FindFileIgnoringCase(first, listings).value_or(first));
}

int ComponentSetCount(std::span<const ChannelHeader> headers) {
    // A miniSEED file's sensors are sets of their own, however few channels each has.
    const bool sensors = !headers.empty() && !headers.front().sensorKey.empty();
    return FirstSetIsFull(headers) || sensors ? static_cast<int>(SplitIntoComponentSets(headers).size()) : 1;
}

std::vector<ChannelHeader> AgencyChannelHeaders(const std::string& path, RecordFormat format) {
    std::vector<ChannelHeader> headers;
    if (!IsAgencyFormat(format)) return headers;
    DiskFileSource disk;
    const std::unique_ptr<std::istream> in = disk.Open(path);
    if (!in) return headers;
    const Result<AgencyFile> header = ReadAgencyFile(format, *in, HeaderOnlyReading());
    if (!header) return headers;
    for (const AgencyChannel& channel : header.value().channels) headers.push_back(channel.header);
    return headers;
}

}  // namespace tremblo
