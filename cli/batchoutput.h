#pragma once
// The output of several designs, written as each is done: CSV, one line per
// design under a header line, or JSON, one array of the objects of
// jsonoutput.h.
//
// CSV: fields separated by ";" (as spreadsheets in a decimal-comma locale
// expect; the numbers have decimal commas), a field holding ";", '"' or a
// line break quoted with '"' and its quotes doubled, lines ended with "\n".
// A text field that a spreadsheet would run as a formula (it begins with
// "=", "+", "-", "@", a tab or CR and is not a number) is written as
// "'..." in quotes.
// Columns: file, status, the message that ended the design, d, i, n, N1, c,
// L0, L3, L, M, Vкр (empty when not reached), the verdict of the coil
// impact check and the stability remarks; then the check of the made spring
// by EN 13906-1 (empty when the design did not run to its end): its rate R,
// the deviations of the forces at L1 and L2 in %, τk2/τzul, the buckling
// row's verdict and the overall verdict.

#include "cli/jsonwriter.h"

#include <iosfwd>
#include <string>

struct DesignResult;

class BatchWriter {
public:
    virtual ~BatchWriter() = default;
    virtual void add(const DesignResult& result) = 0;
    virtual void finish() = 0;
};

class CsvWriter : public BatchWriter {
public:
    explicit CsvWriter(std::ostream& out);
    void add(const DesignResult& result) override;
    void finish() override { }

private:
    std::ostream& out_;
};

class JsonArrayWriter : public BatchWriter {
public:
    explicit JsonArrayWriter(std::ostream& out)
        : out_(out)
    {
    }
    void add(const DesignResult& result) override;
    void finish() override;

private:
    std::ostream& out_;
    JsonWriter json_;
    bool first_ = true;
};

// A CSV field, quoted when it must be.
std::string csvField(const std::string& text);
