#pragma once
// A command that writes a file the user named (Save, "PDF…", the chart's
// PDF and SVG) replaces an existing one only after asking. `write` runs the
// command onto `path` four times: a new file (no question, written), an
// existing file declined (kept), confirmed (replaced), and confirmed with
// the rename failing (kept, "Ошибка при записи в " + path).

#include <QString>

#include <functional>

class MessageRecorder;

void checkReplacing(MessageRecorder& messages, const QString& path, const std::function<void()>& write);
