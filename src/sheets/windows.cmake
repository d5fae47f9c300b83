# The result sheet windows (Qt).
