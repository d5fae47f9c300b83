// Saved reports of the batch tool against independently produced ones.
