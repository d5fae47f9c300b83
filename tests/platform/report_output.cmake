# Tests of reports on paper.
