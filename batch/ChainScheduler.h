// Runs jobs on a pool of threads while keeping jobs that share a key in their
// list order: two archives extracted into the same folder must run one after
// the other, so that the later archive wins exactly as in the window.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Groups job indexes by key, each group in list order, the groups ordered by
// their first job.
std::vector<std::vector<std::size_t>> ChainsByKey(const std::vector<std::string> &keys);

// Calls work(index) once for every job; jobs of one chain one after the other,
// different chains on up to `workers` threads at once. Returns when all are done.
void RunChains(const std::vector<std::vector<std::size_t>> &chains, int workers,
               const std::function<void(std::size_t)> &work);
