// Runs the registered benchmarks and prints each workload beside its plain reference as a ratio.
// Benchmarks named "Name/Kelvaro" and "Name/Referenz" form a pair.
#pragma once

int VergleichAusfuehren(int argc, char** argv);

#include <cstddef>

// The process's largest resident memory so far, in bytes.
std::size_t SpeicherSpitze();
