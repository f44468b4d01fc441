#pragma once
// The application's general error handler: runs an event handler and shows
// any error it throws in a message box, so that no exception ever crosses
// Qt's event loop. The engine's errors carry the text the user sees.

#include "forms/widgets/messages.h"

#include <functional>

// Returns false when the handler ended with an error (already shown).
bool guarded(Messages& messages, const std::function<void()>& handler);
