namespace gp {}
