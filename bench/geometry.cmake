# Geometry benchmarks.
