#include "ChainScheduler.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <thread>

TEST(ChainScheduler, GroupsSharedKeysInListOrder)
{
    auto chains = ChainsByKey({"out/a", "out/b", "out/a", "out/c", "out/b", "out/a"});
    ASSERT_EQ(chains.size(), 3u);
    EXPECT_EQ(chains[0], (std::vector<std::size_t>{0, 2, 5}));
    EXPECT_EQ(chains[1], (std::vector<std::size_t>{1, 4}));
    EXPECT_EQ(chains[2], (std::vector<std::size_t>{3}));
    EXPECT_TRUE(ChainsByKey({}).empty());
}

TEST(ChainScheduler, RunsEveryJobOnceAndKeepsEachChainInOrder)
{
    std::vector<std::string> keys;
    for (int i = 0; i < 60; ++i)
        keys.push_back("k" + std::to_string(i % 7));
    auto chains = ChainsByKey(keys);

    std::mutex m;
    std::map<std::string, std::vector<std::size_t>> seen;
    std::atomic<int> running{0}, most{0};
    RunChains(chains, 4, [&](std::size_t job) {
        int now = ++running;
        for (int was = most; now > was && !most.compare_exchange_weak(was, now);) {
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        {
            std::lock_guard lock(m);
            seen[keys[job]].push_back(job);
        }
        --running;
    });
    std::size_t total = 0;
    for (const auto &chain : chains) {
        EXPECT_EQ(seen[keys[chain.front()]], chain);
        total += chain.size();
    }
    EXPECT_EQ(total, keys.size());
    EXPECT_LE(most.load(), 4);
    EXPECT_GE(most.load(), 2) << "chains with different keys should run side by side";
}
