# Strength benchmarks.
