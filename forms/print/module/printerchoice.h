#pragma once
// The printer of one printout. A printer that has printed keeps more than
// its settings show (a job at another page and resolution left the next
// one's text 6,25 times too large), so each printout gets a new printer
// that carries over only what the user chose in the print dialog.

#include <memory>

class QPrinter;

// A new printer with the choices of `chosen`: the printer or the file, the
// paper, copies, sides and colour.
std::unique_ptr<QPrinter> printerLike(const QPrinter& chosen);
