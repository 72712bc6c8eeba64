#pragma once
// Every allocation of the engine goes through EngineAlloc. Running out of
// memory is not survivable for the engine: the user sees "SIN MEMORIA" with
// caption "FATAL" through the message sink and the process ends with a
// non-zero exit status.

#include <cstddef>

// Zero-filled memory of size bytes (a size of 0 gives a valid 1-byte block).
// Never returns nullptr.
void* EngineAlloc(size_t size);
// Frees a block from EngineAlloc; nullptr is ignored.
void EngineFree(void* block);
