#pragma once
// Which oscillator integrates the spectra, and how finely.
//
// Newmark: the linear-acceleration recurrence (beta 1/6). Its step is
// stable only while dt/T stays below about 0.551 and its peaks drift well
// before that (on broadband motion, up to +20 % at dt/T = 0.2, 6 % at 0.1,
// under 3 % at 0.05). A record sampled every 0.01 s or faster runs the
// recurrence on its own samples wherever dt <= T/5 (with the 0.05 s shortest
// period: everywhere, so spectra of 100 Hz and 200 Hz records are the plain
// recurrence's). Otherwise the record is taken as linear between samples and
// each interval is cut into equal sub-steps: the fewest no longer than
// 0.01 s, doubled until they are no longer than T/20.
//
// Exact: the exact response of the damped oscillator to the ground
// acceleration taken as linear between samples (Nigam and Jennings 1969),
// stepped at sub-steps of at most T/10 so that peaks between samples are
// read too.
//
// Both start from rest with the ground acceleration zero one interval
// before the first sample, so that the first step already responds to it.
#include <optional>
#include <string>
#include <string_view>

namespace tremblo {

enum class OscillatorMethod { Newmark, Exact };

// "newmark" / "exact": the batch option's words, also used in files.
const char* OscillatorMethodName(OscillatorMethod method);
std::optional<OscillatorMethod> ParseOscillatorMethod(std::string_view text);

// What a picture drawn from spectra of the exact oscillator adds to its
// title, "（厳密解）" in the pictures' language; nothing for the Newmark
// recurrence, whose pictures read as they always have.
std::string OscillatorPictureMark(OscillatorMethod method);

// Longest sampling interval the spectra accept (s).
inline constexpr double MAX_SPECTRUM_INTERVAL = 1.0;

// Longest step of the Newmark recurrence on a record sampled more coarsely
// than 100 Hz (s).
inline constexpr double NEWMARK_LONGEST_STEP = 0.01;

// Most sub-steps of one interval: periods shorter than a thousandth of the
// interval are refused.
inline constexpr int MAX_SUB_STEPS = 10000;

// Sub-steps per sampling interval for the oscillator of `period` (s): 1
// for the Newmark recurrence while dt <= 0.01 s and dt <= T/5, otherwise the
// fewest sub-steps no longer than 0.01 s doubled until no longer than T/20;
// for the exact oscillator,
// the fewest no longer than T/10. dt and period must be finite and positive.
int SubStepCount(OscillatorMethod method, double dt, double period);

// Why an interval or a period cannot be integrated, in the program's words
// (nothing when it can).
std::optional<std::string> IntervalProblem(double dt);
// A period must be finite, positive and at least a thousandth of dt.
std::optional<std::string> PeriodProblem(double period, double dt);

}  // namespace tremblo
