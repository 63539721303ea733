#pragma once
// Runs several independent pipelines side by side on the workers. A
// pipeline is a list of steps done in order; a step is made of `parts`
// calls that may run in any order on any worker (a single part makes it a
// serial step). Serial steps are taken first, since the next parallel step
// of their pipeline waits for them, so a worker integrating one component
// overlaps with the others filtering another.
#include <functional>
#include <vector>

namespace tremblo {

struct PipelineStep {
    int parts = 1;
    std::function<void(int part)> run;
};

using Pipeline = std::vector<PipelineStep>;

// Returns when every step of every pipeline has run. workers <= 0 means all
// cores.
void RunStagedPipelines(const std::vector<Pipeline>& pipelines, int workers);

}  // namespace tremblo
