// The precompiled headers are made with this empty file.
