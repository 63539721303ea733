#include "stations/station_inventory.h"

namespace tremblo {

std::string ChannelId(std::string_view network, std::string_view station, std::string_view location,
                      std::string_view channel) {
    std::string id;
    id.reserve(network.size() + station.size() + location.size() + channel.size() + 3);
    id.append(network).append(".").append(station).append(".").append(location).append(".").append(channel);
    return id;
}

void StationInventory::Add(InventoryChannel channel) {
    const std::string id = ChannelId(channel.network, channel.station, channel.location, channel.channel);
    byId_[id].push_back(std::move(channel));
}

void StationInventory::Merge(const StationInventory& other) {
    for (const auto& [id, epochs] : other.byId_)
        for (const InventoryChannel& epoch : epochs) byId_[id].push_back(epoch);
    files_.insert(files_.end(), other.files_.begin(), other.files_.end());
}

const InventoryChannel* StationInventory::Find(const std::string& channelId, std::int64_t atMicros) const {
    const auto it = byId_.find(channelId);
    if (it == byId_.end()) return nullptr;
    for (const InventoryChannel& epoch : it->second) {
        if (epoch.startMicros && atMicros < *epoch.startMicros) continue;
        if (epoch.endMicros && atMicros > *epoch.endMicros) continue;
        return &epoch;
    }
    return nullptr;
}

std::size_t StationInventory::size() const {
    std::size_t n = 0;
    for (const auto& entry : byId_) n += entry.second.size();
    return n;
}

}  // namespace tremblo
