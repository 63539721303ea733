#include "wave/parallel_workers.h"

#include <system_error>
#include <thread>
#include <vector>

namespace tremblo {

int DefaultWorkerCount() {
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
}

void RunOnWorkers(int workers, const std::function<void(int worker)>& body) {
    std::vector<std::thread> threads;
    std::vector<int> leftOver;
    for (int w = 1; w < workers; ++w) {
        try {
            threads.emplace_back(body, w);
        } catch (const std::system_error&) {
            leftOver.push_back(w);
        }
    }
    body(0);
    for (int w : leftOver) body(w);
    for (std::thread& t : threads) t.join();
}

}  // namespace tremblo
