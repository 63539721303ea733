#pragma once
// Where an agency record's components go. The record's rows are NS, EW and
// UD: the horizontal whose sensor points nearest north or south takes the
// first row, the other horizontal the second, the vertical the last. The
// real azimuths are kept with the record and shown in the labels.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "record/stated_header.h"

namespace tremblo {

// The component sets that a station's channels make, each a list of
// indices into `headers`: channels are taken in order, and a channel that
// would give the set being filled a fourth channel, a third horizontal or
// a second vertical starts the next one (a KiK-net file's surface and
// borehole channels, a building's many sensors), and so does a channel of
// another sensor (ChannelHeader::sensorKey, miniSEED). A channel whose file says
// neither its azimuth nor that it is vertical counts only toward the four.
// Sets come in the order of their first channel.
std::vector<std::vector<std::size_t>> SplitIntoComponentSets(std::span<const ChannelHeader> headers);

// Whether the first set holds three channels (two horizontals and a
// vertical, or channels of unknown orientation): no other file can join it.
bool FirstSetIsFull(std::span<const ChannelHeader> headers);

// The set's channels in row order: horizontals of known azimuth first, the
// one nearest north-south before the other (both as near: they keep their
// order), then channels of unknown orientation in their order, then the
// vertical.
std::vector<std::size_t> PlaceByOrientation(std::span<const ChannelHeader> headers, std::vector<std::size_t> set);

// Angle in degrees between an azimuth and the north-south line, 0..90.
double DistanceFromNorthSouth(double azimuthDeg);

// The component's label: "NS" for a sensor pointing north and "EW" for one
// pointing east, otherwise its azimuth as three digits and a degree sign
// ("067°"), "UD" for a vertical, and the component's own name (else "C"
// and its row, 1-based) when the file gives no azimuth. UTF-8.
std::string OrientationLabel(const ChannelHeader& header, int row);

ComponentOrientation OrientationOf(const ChannelHeader& header);

// The orientation a described format's component label tells ("NS", "EW2",
// "ud"); unknown for any other label.
ComponentOrientation OrientationOfLabel(std::string_view label);

// Whether two components are horizontal sensors of known azimuths,
// perpendicular within a degree, as combining them (vector sums, rotations)
// assumes. The described formats' NS and EW are (0 and 90 degrees).
bool ArePerpendicular(const ComponentOrientation& a, const ComponentOrientation& b);

}  // namespace tremblo
