#include "framework/message_sink.h"

#include <cstdio>

namespace {
MessageSink& CurrentSink() {
    static MessageSink sink;
    return sink;
}
}  // namespace

MessageSink SetMessageSink(MessageSink sink) {
    MessageSink old = std::move(CurrentSink());
    CurrentSink() = std::move(sink);
    return old;
}

void ShowMessage(const std::string& text, const std::string& caption) {
    if (CurrentSink()) {
        CurrentSink()(text, caption);
    } else {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
}
