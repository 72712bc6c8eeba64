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

namespace {
ConfirmSink& CurrentConfirmSink() {
    static ConfirmSink sink;
    return sink;
}
}  // namespace

ConfirmSink SetConfirmSink(ConfirmSink sink) {
    ConfirmSink old = std::move(CurrentConfirmSink());
    CurrentConfirmSink() = std::move(sink);
    return old;
}

bool AskYesNo(const std::string& question, const std::string& caption) {
    if (CurrentConfirmSink()) return CurrentConfirmSink()(question, caption);
    std::fprintf(stderr, "%s: %s (answered no)\n", caption.c_str(), question.c_str());
    return false;
}
