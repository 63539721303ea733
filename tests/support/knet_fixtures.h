#pragma once
// K-NET/KiK-net files made by the tests: line 15 states the maximum
// acceleration NIED would write for the data the fixture gives.
#include <string>

namespace tremblo::testing {

// `text` (a whole K-NET file, line ends as they are) with its line 15 saying
// the largest |a - mean| of its counts in gal, converted by its line 14.
std::string WithStatedPeak(std::string text);

}  // namespace tremblo::testing
