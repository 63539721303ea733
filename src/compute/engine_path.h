#pragma once

namespace tremblo {

// Which implementation a computation runs: the plain single-threaded
// reference that reads like its definition, or the vectorised multithreaded
// path that gives the same results bit for bit.
enum class EnginePath { Reference, Fast };

}  // namespace tremblo
