// Filled in with the high-score table.
