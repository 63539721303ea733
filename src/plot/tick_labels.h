#pragma once
// Tick-label texts of the two plot components.
#include <string>
#include <string_view>

namespace tremblo {

// Label of the x-y graph: "0" for 0 and for magnitudes below 1e-8, "%.1e"
// below 1e-5 and above 100000, otherwise up to four decimals with trailing
// zeros and a trailing period removed (0.5, 100, 3 for 2.99991, -0.25).
std::string GraphRoundNumber(float value);

// Label of the waveform plot: as GraphRoundNumber but without the floor below
// which a value prints as "0" (0.000005 gives 5.0e-06).
std::string WaveRoundNumber(float value);

// The minor subdivision count for a major step of a fixed-decimal axis, and
// in format the printf format of its labels ("%.0f", "%.1f", ...). A step
// that is not positive gives 0 and leaves format unchanged.
int SubScale(float step, std::string& format);

// True when every character is '-', '.' or '0' (also for an empty text).
bool ZeroString(std::string_view text);

// The shortest decimal text that reads back as the same float ("0", "0.1", "2.5").
std::string ShortestDecimal(float value);

}  // namespace tremblo
