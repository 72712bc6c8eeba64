#include "engine/engine_alloc.h"

#include <cstdlib>

#include "framework/message_sink.h"

void* EngineAlloc(size_t size) {
    void* block = std::calloc(size ? size : 1, 1);
    if (!block) {
        ShowMessage("SIN MEMORIA", "FATAL");
        std::exit(EXIT_FAILURE);
    }
    return block;
}

void EngineFree(void* block) { std::free(block); }
