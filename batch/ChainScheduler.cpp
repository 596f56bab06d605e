#include "ChainScheduler.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <unordered_map>

std::vector<std::vector<std::size_t>> ChainsByKey(const std::vector<std::string> &keys)
{
    std::vector<std::vector<std::size_t>> chains;
    std::unordered_map<std::string, std::size_t> chainOf;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        auto [it, added] = chainOf.try_emplace(keys[i], chains.size());
        if (added)
            chains.emplace_back();
        chains[it->second].push_back(i);
    }
    return chains;
}

void RunChains(const std::vector<std::vector<std::size_t>> &chains, int workers,
               const std::function<void(std::size_t)> &work)
{
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t c = next++; c < chains.size(); c = next++)
            for (std::size_t job : chains[c])
                work(job);
    };
    const std::size_t count = std::min<std::size_t>(std::max(workers, 1), chains.size());
    if (count <= 1) {
        worker();
        return;
    }
    std::vector<std::jthread> pool;
    for (std::size_t i = 0; i < count; ++i)
        pool.emplace_back(worker);
}
