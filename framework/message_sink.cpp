#include "framework/message_sink.h"

#include <cstdio>

namespace {
// The one installed sink of each kind.
template <class Sink>
Sink& Installed() {
    static Sink sink;
    return sink;
}

template <class Sink>
Sink Replace(Sink sink) {
    Sink old = std::move(Installed<Sink>());
    Installed<Sink>() = std::move(sink);
    return old;
}
}  // namespace

MessageSink SetMessageSink(MessageSink sink) { return Replace(std::move(sink)); }

void ShowMessage(const std::string& text, const std::string& caption) {
    if (Installed<MessageSink>()) {
        Installed<MessageSink>()(text, caption);
    } else {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
}

ConfirmSink SetConfirmSink(ConfirmSink sink) { return Replace(std::move(sink)); }

bool AskYesNo(const std::string& question, const std::string& caption) {
    if (Installed<ConfirmSink>()) return Installed<ConfirmSink>()(question, caption);
    std::fprintf(stderr, "%s: %s (answered no)\n", caption.c_str(), question.c_str());
    return false;
}
