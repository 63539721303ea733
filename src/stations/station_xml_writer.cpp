#include "stations/station_xml_writer.h"

#include <pugixml.hpp>

#include <sstream>

#include "common/format.h"
#include "stations/station_xml.h"

namespace tremblo {

namespace {

std::string Number(double value) { return StringPrintf("%.10g", value); }

void AddValue(pugi::xml_node parent, const char* name, const std::optional<double>& value) {
    parent.append_child(name).text().set(Number(value.value_or(0.0)).c_str());
}

void AddEpoch(pugi::xml_node node, const InventoryChannel& c) {
    if (c.startMicros) node.append_attribute("startDate").set_value(XmlDateTimeText(*c.startMicros).c_str());
    if (c.endMicros) node.append_attribute("endDate").set_value(XmlDateTimeText(*c.endMicros).c_str());
}

pugi::xml_node ChildWithCode(pugi::xml_node parent, const char* name, const std::string& code) {
    for (pugi::xml_node child : parent.children(name))
        if (code == child.attribute("code").value()) return child;
    pugi::xml_node child = parent.append_child(name);
    child.append_attribute("code").set_value(code.c_str());
    return child;
}

void AddChannel(pugi::xml_node station, const InventoryChannel& c) {
    pugi::xml_node channel = station.append_child("Channel");
    channel.append_attribute("code").set_value(c.channel.c_str());
    channel.append_attribute("locationCode").set_value(c.location.c_str());
    AddEpoch(channel, c);
    AddValue(channel, "Latitude", c.latitude);
    AddValue(channel, "Longitude", c.longitude);
    AddValue(channel, "Elevation", c.elevationM);
    AddValue(channel, "Depth", std::optional<double>(0.0));
    if (c.azimuthDeg) AddValue(channel, "Azimuth", c.azimuthDeg);
    if (c.dipDeg) AddValue(channel, "Dip", c.dipDeg);
    AddValue(channel, "SampleRate", c.sampleRate);
    pugi::xml_node sensitivity = channel.append_child("Response").append_child("InstrumentSensitivity");
    AddValue(sensitivity, "Value", c.sensitivity);
    AddValue(sensitivity, "Frequency", std::optional<double>(1.0));
    sensitivity.append_child("InputUnits").append_child("Name").text().set(c.inputUnits.c_str());
    sensitivity.append_child("OutputUnits").append_child("Name").text().set("COUNTS");
}

}  // namespace

std::string StationXmlText(const std::vector<InventoryChannel>& channels, const std::string& source,
                           std::int64_t createdMicros) {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("FDSNStationXML");
    root.append_attribute("xmlns").set_value("http://www.fdsn.org/xml/station/1");
    root.append_attribute("schemaVersion").set_value("1.2");
    root.append_child("Source").text().set(source.c_str());
    root.append_child("Created").text().set(XmlDateTimeText(createdMicros).c_str());
    for (const InventoryChannel& c : channels) {
        pugi::xml_node network = ChildWithCode(root, "Network", c.network);
        if (!network.attribute("startDate")) AddEpoch(network, c);
        pugi::xml_node station = network.child("Station");
        for (; station; station = station.next_sibling("Station"))
            if (c.station == station.attribute("code").value()) break;
        if (!station) {
            station = network.append_child("Station");
            station.append_attribute("code").set_value(c.station.c_str());
            AddEpoch(station, c);
            if (!c.stationAlternateCode.empty())
                station.append_attribute("alternateCode").set_value(c.stationAlternateCode.c_str());
            AddValue(station, "Latitude", c.latitude);
            AddValue(station, "Longitude", c.longitude);
            AddValue(station, "Elevation", c.elevationM);
            station.append_child("Site").append_child("Name").text().set(
                (c.siteName.empty() ? c.station : c.siteName).c_str());
        }
        AddChannel(station, c);
    }
    std::ostringstream out;
    document.save(out, "  ", pugi::format_default | pugi::format_no_declaration, pugi::encoding_utf8);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + out.str();
}

}  // namespace tremblo
