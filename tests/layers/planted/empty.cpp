// Never compiled: the layer check only configures this project.
