#pragma once
// The interval between samples as the measures take it. A record keeps its
// interval in single precision, so 0.01f is not 1/100 s; the measures time
// sample k at k / rate, the rate 1 / dt rounded to the whole number of
// samples per second it stands for when within a millionth of it.
namespace tremblo {

// Samples per second: 1 / dt, or the whole number within a millionth of it.
double SamplesPerSecond(double dt);

// 1 / SamplesPerSecond(dt), s.
double SampleInterval(double dt);

}  // namespace tremblo
