#pragma once
// The message sink: where the core sends a message box's text and caption.
// The desktop shell installs one that shows a real message box; by default
// messages go to standard error. Tests install a recording sink.

#include <functional>
#include <string>

using MessageSink = std::function<void(const std::string& text, const std::string& caption)>;

// Replaces the sink; returns the previous one. An empty sink restores the default.
MessageSink SetMessageSink(MessageSink sink);
// Shows a message through the current sink.
void ShowMessage(const std::string& text, const std::string& caption);

// Yes/no questions go the same way: the shell installs a sink that asks the
// user; tests install one that answers. Without a sink the answer is no, so
// nothing that needs a yes happens unasked.
using ConfirmSink = std::function<bool(const std::string& question, const std::string& caption)>;

// Replaces the question sink; returns the previous one.
ConfirmSink SetConfirmSink(ConfirmSink sink);
// Asks a yes/no question through the current sink; true for yes.
bool AskYesNo(const std::string& question, const std::string& caption);
