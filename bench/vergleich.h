// Runs the registered benchmarks and prints each workload beside its plain reference as a ratio.
// Benchmarks named "Name/Kelvaro" and "Name/Referenz" form a pair.
#pragma once

int VergleichAusfuehren(int argc, char** argv);
