# Tests of desktop services.
