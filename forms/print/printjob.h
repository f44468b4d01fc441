#pragma once
// One printout through the print dialog. The dialog works on the printer
// the windows share, so it offers what the user chose last; the printout
// itself is painted on a printer of its own made from those choices, with
// its own page, so no printout inherits another's state.

#include <QPageLayout>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

enum class PrintOutcome { Printed, Cancelled, Failed };

// Shows the print dialog over `parent` for `chosen` (with `askAlways`
// false only when `chosen` is no real printer), then runs `paint` on the
// printout's printer; Failed when `paint` returns false. `pdfName`, when
// given, is the name "PDF…" offers: the dialog proposes it for a file.
PrintOutcome printOnce(QPagedPaintDevice& chosen, QPageLayout::Orientation orientation, QWidget* parent,
    bool askAlways, const std::function<bool(QPagedPaintDevice&)>& paint, const QString& pdfName = {});
