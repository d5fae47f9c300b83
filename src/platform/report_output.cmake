# Reports on paper.
