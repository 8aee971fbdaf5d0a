#pragma once
// Another program using the cache at the same time: commits and deletes entries of its own until
// told to stop, so that a listing or a deletion meets a cache that changes under it.
#include <string>

namespace tarnwick::seed {

// Step n commits "http://churn.example/<n>" and, for an even n of 6 or more, deletes the key of
// step n - 5. So after `steps` steps, key k is gone by the churn's own hand exactly when k is odd
// and k + 5 < steps.
inline std::string ChurnKey(int step) { return "http://churn.example/" + std::to_string(step); }
inline bool DeletedByChurn(int key, int steps) { return key % 2 == 1 && key + 5 < steps; }

// Runs until the file `stopFile` exists or `maxSteps` steps are done; returns the steps done.
int Churn(const std::string& stopFile, int maxSteps);

}  // namespace tarnwick::seed
