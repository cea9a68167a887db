// Host kernel library entry: nothing to initialise at load time.
