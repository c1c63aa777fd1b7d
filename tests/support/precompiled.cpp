// Compiles the Qt tests' precompiled header.
